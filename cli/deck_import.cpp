#include "cli/deck_import.h"

#include <algorithm>

#include "cli/card_fields.h"
#include "cli/text_decoding.h"
#include "files/deck_file_reader.h"
#include "files/safe_file.h"
#include "store/deck_file.h"

const OptionRule ImportOptions[6] = {{"-o", true},     {"--onto", true},   {"--replace", false},
                                     {"--sum", false}, {"--check", false}, {"--deck", true}};

namespace {

bool fileExists(const std::string& path) {
    const ReadResult read = readFileBytes(path, 0);
    return read.ok || read.tooLarge;
}

std::string cardId(int card) {
    return fieldText(CardCatalogue[card].cardId);
}

void reportFaults(const ImportTarget& target, std::vector<CsvFault>& faults, CliOutput& io) {
    std::stable_sort(faults.begin(), faults.end(),
                     [](const CsvFault& a, const CsvFault& b) { return a.line < b.line; });
    for (std::size_t i = 0; i < faults.size() && i < FaultsShown; ++i)
        io.err +=
            target.input + ":" + std::to_string(faults[i].line) + ": " + faults[i].reason + "\n";
    if (faults.size() > FaultsShown)
        io.err += target.input + ": " +
                  counted(static_cast<long long>(faults.size() - FaultsShown), "more error",
                          "more errors") +
                  "\n";
}

// Two rows for one card and deck: an error naming both lines, or with --sum one
// count; then every count's range.
void combineRows(const ImportTarget& target, ImportedRows& rows, bool oneDeck) {
    std::vector<int> firstRow(static_cast<std::size_t>(DeckCount) * CardCount, -1);
    std::vector<ImportedCount> combined;
    for (const ImportedCount& row : rows.counts) {
        int& first = firstRow[static_cast<std::size_t>(row.deck) * CardCount + row.card];
        if (first < 0) {
            first = static_cast<int>(combined.size());
            combined.push_back(row);
        } else if (target.sum) {
            combined[first].count = std::min(combined[first].count + row.count, 1000000ul);
        } else {
            rows.faults.push_back({row.line, "card " + cardId(row.card) + " again, first on line " +
                                                 std::to_string(combined[first].line) +
                                                 " (--sum adds such rows together)"});
        }
    }
    rows.counts.clear();
    for (const ImportedCount& row : combined) {
        if (row.count <= static_cast<unsigned long>(MaxCount)) {
            rows.counts.push_back(row);
            continue;
        }
        rows.faults.push_back(
            {row.line, "card " + cardId(row.card) +
                           (oneDeck ? "" : ", deck " + std::to_string(row.deck + 1)) + ": count " +
                           std::to_string(row.count) + "; counts are 0 to 255"});
    }
}

std::string summary(const DeckSet& before, const DeckSet& after) {
    std::string lines;
    for (int deck = 0; deck < DeckCount; ++deck) {
        long long changed = 0, added = 0, removed = 0;
        for (int card = 0; card < CardCount; ++card) {
            const long long from = before.decks[deck].counts[card];
            const long long to = after.decks[deck].counts[card];
            changed += from != to;
            (to > from ? added : removed) += to > from ? to - from : from - to;
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

bool prepareImport(const Arguments& args, std::string_view command, ImportTarget& target,
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
    target.start = std::make_unique<DeckSet>();
    target.baseline = std::make_unique<DeckSet>();
    if (args.has("--onto")) {
        if (!loadDeckArgument(args.value("--onto"), *target.start, io)) return false;
        *target.baseline = *target.start;
    } else if (!target.output.empty() && target.output != "-" && fileExists(target.output)) {
        if (!target.replace) {
            failure(io, target.output + " exists: add --onto " + target.output +
                            " to change only the counts in " + target.input +
                            ", or --replace to replace all five decks.");
            return false;
        }
        std::string ignored;
        if (!readDeckFile(target.output, *target.baseline, ignored)) *target.baseline = {};
    }
    return true;
}

bool readImportText(const ImportTarget& target, std::string& text, CliOutput& io) {
    ReadResult file = readFileBytes(target.input, ImportSizeLimit);
    TextEncoding encoding;
    std::string reason = file.reason;
    if (!file.ok || !decodeText(std::move(file.bytes), text, encoding, reason)) {
        failure(io, "Could not read " + target.input + ": " + reason + ".");
        return false;
    }
    return true;
}

int finishImport(ImportTarget& target, ImportedRows& rows, CliOutput& io) {
    const bool oneDeck = std::count(rows.decks, rows.decks + DeckCount, true) == 1;
    combineRows(target, rows, oneDeck);
    DeckSet& decks = *target.start;
    if (target.replace)
        for (int deck = 0; deck < DeckCount; ++deck)
            if (rows.decks[deck]) decks.decks[deck] = {};
    for (const ImportedCount& row : rows.counts)
        decks.decks[row.deck].counts[row.card] = static_cast<int32_t>(row.count);

    if (!rows.faults.empty()) {
        reportFaults(target, rows.faults, io);
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
