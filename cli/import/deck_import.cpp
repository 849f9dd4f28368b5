#include "cli/import/deck_import.h"

#include <algorithm>

#include "cli/cards/card_fields.h"
#include "cli/text/count_text.h"
#include "cli/text/input_excerpt.h"
#include "cli/text/text_decoding.h"
#include "files/safe_file.h"
#include "store/deck_file.h"

const OptionRule ImportOptions[7] = {{"-o", true},     {"--onto", true}, {"--replace", false},
                                     {"--add", false}, {"--sum", false}, {"--check", false},
                                     {"--deck", true}};

namespace {

constexpr OutputRule ImportOutputs[] = {{"-o", "DECKFILE", OutputKind::DeckFile, "save"}};

// Far beyond any real collection (an export is about 0.2 MB); the readers need
// little beyond the text itself.
constexpr uint64_t ImportSizeLimit = 64u << 20;

std::string cardId(int card) {
    return fieldText(CardCatalogue[card].cardId);
}

} // namespace

void reportImportFaults(const DeckImport& import, const InputFaults& faults, CliOutput& io) {
    for (const InputFault& fault : faults.shown()) {
        io.err += shownPath(import.input);
        if (fault.line > 0) io.err += ':' + std::to_string(fault.line);
        io.err += ": " + fault.reason + "\n";
    }
    if (faults.more() > 0)
        io.err += shownPath(import.input) + ": " +
                  counted(static_cast<long long>(faults.more()), "more error", "more errors") +
                  "\n";
}

namespace {

// "decks 1, 2 and 4", "deck 3".
std::string deckNumbers(const bool (&decks)[DeckCount], bool which) {
    std::vector<int> numbers;
    for (int deck = 0; deck < DeckCount; ++deck)
        if (decks[deck] == which) numbers.push_back(deck + 1);
    std::string words = numbers.size() == 1 ? "deck " : "decks ";
    for (std::size_t i = 0; i < numbers.size(); ++i)
        words += (i == 0                    ? ""
                  : i + 1 == numbers.size() ? " and "
                                            : ", ") +
                 std::to_string(numbers[i]);
    return words;
}

// Under --replace: which decks the input replaced and which the base kept.
std::string replacedDecks(const DeckImport& import, const std::string& base) {
    if (!import.replace ||
        std::none_of(import.named, import.named + DeckCount, [](bool named) { return named; }))
        return "";
    std::string line = "replaced " + deckNumbers(import.named, true);
    if (std::any_of(import.named, import.named + DeckCount, [](bool named) { return !named; }))
        line += base.empty()
                    ? "; " + deckNumbers(import.named, false) + " empty"
                    : "; kept " + deckNumbers(import.named, false) + " of " + shownPath(base);
    return line + "\n";
}

std::string summary(const DeckSet& before, const DeckSet& after) {
    std::string lines;
    for (int deck = 0; deck < DeckCount; ++deck) {
        long long changed = 0, added = 0, removed = 0;
        for (int card = 0; card < CardCount; ++card) {
            const long long from = before.decks[deck].counts[card];
            const long long to = after.decks[deck].counts[card];
            changed += from != to;
            if (to > from) added += to - from;
            if (to < from) removed += from - to;
        }
        if (changed == 0) continue;
        lines += "deck " + std::to_string(deck + 1) + ": " +
                 counted(changed, "card changed", "cards changed");
        if (added > 0) lines += ", +" + counted(added, "copy", "copies");
        if (removed > 0) lines += ", -" + counted(removed, "copy", "copies");
        lines += '\n';
    }
    return lines.empty() ? "no counts change\n" : lines;
}

} // namespace

bool readImportText(const ImportFormat& format, const std::string& input, std::string& text,
                    CliOutput& io) {
    // Room for Windows-1252 text made UTF-8 in place: a byte becomes at most three.
    ReadResult file = readFileBytes(input, ImportSizeLimit, 3);
    if (file.ok && file.bytes.size() == DeckFileSize) {
        const auto decks = std::make_unique<DeckSet>();
        if (decodeDeckFile(file.bytes, *decks)) {
            failure(io, shownPath(input) + " is a deck file, not " + std::string(format.exporter) +
                            " reads deck files.");
            return false;
        }
    }
    TextEncoding encoding;
    std::string reason = file.reason;
    if (!file.ok || !decodeText(std::move(file.bytes), text, encoding, reason)) {
        failure(io, "Could not read " + shownPath(input) + ": " + reason + ".");
        return false;
    }
    return true;
}

int finishImport(const DeckImport& import, const InputFaults& faults, CommandRun& run) {
    const DeckSet& decks = *import.decks;
    CliOutput& io = run.io;
    const std::string changes = summary(*import.base, decks) + replacedDecks(import, run.base);
    if (faults.any()) {
        reportImportFaults(import, faults, io);
        if (run.check) io.out += changes;
        return ExitFailure;
    }
    if (run.check) {
        io.out += changes + "--check: nothing written\n";
        return ExitSuccess;
    }
    if (!run.toFile()) {
        run.produce(encodeDeckFile(decks));
        io.err += changes;
        return ExitSuccess;
    }
    run.produce(encodeDeckFile(decks), changes + "wrote " + shownPath(run.outputs[0].path) + "\n");
    return ExitSuccess;
}

const CommandFiles ImportFiles{.base = "--onto",
                               .replace = "--replace",
                               .add = "--add",
                               .check = "--check",
                               .outputs = ImportOutputs};

int runImport(const ImportFormat& format, CommandRun& run) {
    const Arguments& args = run.args;
    CliOutput& io = run.io;
    DeckImport import;
    import.deck = deckOption(args, io, format.command);
    if (import.deck < -1) return ExitFailure;
    if (import.deck < 0 && !format.needsDeck.empty())
        return usageError(io, format.command, format.needsDeck);
    if (!args.has("-o") && !run.check)
        return usageError(io, format.command, "-o DECKFILE is needed");
    import.input = args.positional[0];
    import.sum = args.has("--sum");
    import.replace = args.has("--replace");
    import.add = args.has("--add");
    if (import.add && import.replace)
        return usageError(io, format.command, "--add and --replace do not go together");
    import.basePath = run.base;
    import.decks = std::make_unique<DeckSet>();
    import.base = std::make_unique<DeckSet>();
    import.firstLine.assign(CardCount, 0);
    if (!run.base.empty()) {
        if (!loadDeckArgument(run.base, *import.decks, io)) return ExitFailure;
        *import.base = *import.decks;
    }
    std::string text;
    if (!readImportText(format, import.input, text, io)) return ExitFailure;
    InputFaults faults;
    format.readRows(text, import, faults);
    return finishImport(import, faults, run);
}

void importDeck(DeckImport& import, int deck) {
    import.named[deck] = true;
    if (import.replace) import.decks->decks[deck] = StoreDeck{};
}

void importRow(DeckImport& import, int line, int card, const RowCount (&counts)[DeckCount],
               InputFaults& faults) {
    int& first = import.firstLine[card];
    if (first > 0 && !import.sum) {
        faults.add(line, "card " + cardId(card) + " again, first on line " + std::to_string(first) +
                             " (--sum adds such rows together)");
        return;
    }
    const bool linesBefore = first > 0;
    if (!linesBefore) first = line;
    for (int deck = 0; deck < DeckCount; ++deck) {
        const long count = counts[deck].value;
        if (count < 0) continue;
        int32_t& held = import.decks->decks[deck].counts[card];
        const long total = linesBefore || import.add ? held + count : count;
        if (total <= MaxCount) {
            held = static_cast<int32_t>(total);
            continue;
        }
        // What the total adds up: the rows before, and under --add the base's count.
        const int32_t based = import.add ? import.base->decks[deck].counts[card] : 0;
        std::string with = linesBefore ? " with the lines before" : "";
        if (based > 0)
            with += (linesBefore ? " and the " : " with the ") + std::to_string(based) + " in " +
                    shownPath(import.basePath);
        // A count beyond the cap is named as written, not as the number it was cut to.
        const bool asWritten = count >= CountCap;
        faults.add(
            line,
            "card " + cardId(card) +
                (import.deckColumns ? ", deck " + std::to_string(deck + 1) : "") + ": count " +
                (asWritten ? inputExcerpt(counts[deck].written) : std::to_string(total) + with) +
                "; counts are " + countRange());
    }
}
