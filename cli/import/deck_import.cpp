#include "cli/import/deck_import.h"

#include <algorithm>

#include "cli/cards/card_fields.h"
#include "cli/text/text_decoding.h"
#include "files/deck_file_reader.h"
#include "files/file_identity.h"
#include "files/safe_file.h"
#include "store/deck_file.h"

const OptionRule ImportOptions[6] = {{"-o", true},     {"--onto", true},   {"--replace", false},
                                     {"--sum", false}, {"--check", false}, {"--deck", true}};

namespace {

// Far beyond any real collection (an export is about 0.2 MB); the readers need
// little beyond the text itself.
constexpr uint64_t ImportSizeLimit = 64u << 20;

std::string cardId(int card) {
    return fieldText(CardCatalogue[card].cardId);
}

} // namespace

void reportImportFaults(const DeckImport& target, const InputFaults& faults, CliOutput& io) {
    for (const InputFault& fault : faults.shown()) {
        io.err += target.input;
        if (fault.line > 0) io.err += ':' + std::to_string(fault.line);
        io.err += ": " + fault.reason + "\n";
    }
    if (faults.more() > 0)
        io.err += target.input + ": " +
                  counted(static_cast<long long>(faults.more()), "more error", "more errors") +
                  "\n";
}

namespace {

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

bool prepareImport(const Arguments& args, std::string_view command, DeckImport& target,
                   CliOutput& io) {
    target.command = command;
    target.input = args.positional[0];
    target.check = args.has("--check");
    target.sum = args.has("--sum");
    target.replace = args.has("--replace");
    if (args.has("-o"))
        target.output = args.value("-o");
    else if (!target.check)
        return usageError(io, command, "-o DECKFILE is needed"), false;
    const bool toFile = !target.output.empty() && target.output != "-";
    if (toFile && outputIsInput(target.output, target.input, io)) return false;
    target.decks = std::make_unique<DeckSet>();
    target.baseline = std::make_unique<DeckSet>();
    target.firstLine.assign(CardCount, 0);
    if (args.has("--onto")) {
        if (!loadDeckArgument(args.value("--onto"), *target.decks, io)) return false;
        *target.baseline = *target.decks;
    } else if (toFile && fileIdentity(target.output).regularFile) {
        // Writing over an existing deck file is a choice the user makes by name.
        if (!target.replace) {
            failure(io, target.output + " exists: add --onto " + target.output +
                            " to change only the counts in " + target.input +
                            ", or --replace to replace all five decks.");
            return false;
        }
        std::string unreadable; // then every count it held is shown as changed
        if (!readDeckFile(target.output, *target.baseline, unreadable)) *target.baseline = {};
    }
    return true;
}

bool readImportText(const DeckImport& target, std::string& text, CliOutput& io) {
    // Room for Windows-1252 text made UTF-8 in place: a byte becomes at most three.
    ReadResult file = readFileBytes(target.input, ImportSizeLimit, 3);
    if (file.ok && file.bytes.size() == DeckFileSize) {
        const auto decks = std::make_unique<DeckSet>();
        if (decodeDeckFile(file.bytes, *decks)) {
            const bool csv = target.command == "import-csv";
            failure(io, target.input + " is a deck file, not " +
                            (csv ? "a CSV: export-csv" : "a card list: export-list") +
                            " reads deck files.");
            return false;
        }
    }
    TextEncoding encoding;
    std::string reason = file.reason;
    if (!file.ok || !decodeText(std::move(file.bytes), text, encoding, reason)) {
        failure(io, "Could not read " + target.input + ": " + reason + ".");
        return false;
    }
    return true;
}

void importDeck(DeckImport& target, int deck) {
    if (target.replace) target.decks->decks[deck] = StoreDeck{};
}

void importRow(DeckImport& target, int line, int card, const long (&counts)[DeckCount],
               InputFaults& faults) {
    int& first = target.firstLine[card];
    if (first > 0 && !target.sum) {
        faults.add(line, "card " + cardId(card) + " again, first on line " + std::to_string(first) +
                             " (--sum adds such rows together)");
        return;
    }
    const bool adding = first > 0;
    if (!adding) first = line;
    for (int deck = 0; deck < DeckCount; ++deck) {
        if (counts[deck] < 0) continue;
        int32_t& held = target.decks->decks[deck].counts[card];
        const long total = adding ? held + counts[deck] : counts[deck];
        if (total <= MaxCount) {
            held = static_cast<int32_t>(total);
            continue;
        }
        faults.add(line, "card " + cardId(card) +
                             (target.deckColumns ? ", deck " + std::to_string(deck + 1) : "") +
                             ": count " + std::to_string(total) +
                             (adding ? " with the lines before" : "") + "; counts are 0 to 255");
    }
}

int finishImport(DeckImport& target, const InputFaults& faults, CliOutput& io) {
    const DeckSet& decks = *target.decks;
    if (faults.any()) {
        reportImportFaults(target, faults, io);
        if (target.check) io.out += summary(*target.baseline, decks);
        return ExitFailure;
    }
    if (target.check) {
        io.out += summary(*target.baseline, decks) + "--check: nothing written\n";
        return ExitSuccess;
    }
    const std::string bytes = encodeDeckFile(decks);
    if (target.output == "-") {
        io.out += bytes;
        io.err += summary(*target.baseline, decks);
        return ExitSuccess;
    }
    const WriteResult written = writeFileSafely(target.output, bytes);
    if (!written.ok)
        return failure(io, "Could not save " + target.output + ": " + written.reason + ".");
    io.out += summary(*target.baseline, decks) + "wrote " + target.output + "\n";
    return ExitSuccess;
}
