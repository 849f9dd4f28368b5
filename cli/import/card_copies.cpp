#include "cli/import/card_copies.h"

#include "cli/cards/card_list_line.h"
#include "cli/import/csv_counts.h"
#include "cli/import/deck_import.h"
#include "cli/import/list_counts.h"

namespace {

// A CSV starts with "sep=X" or a header of several cells; a card list's first line
// names a card, even one with a comma in its name.
bool isCsv(std::string_view text) {
    if (csvSeparatorLine(text) != 0) return true;
    std::string_view first;
    for (std::size_t at = 0; at < text.size() && first.empty();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        first = trimmedText(text.substr(at, end - at));
        at = end + 1;
    }
    if (first.find_first_of(",;\t") == std::string_view::npos) return false;
    return matchCardListEntry(parseCardListLine(first), false).card < 0;
}

} // namespace

bool readCardCopies(const std::string& path, std::string_view command, CardCopies& copies,
                    CliOutput& io) {
    DeckImport target;
    target.command = command;
    target.input = path;
    target.check = target.sum = true;
    target.decks = std::make_unique<DeckSet>();
    target.firstLine.assign(CardCount, 0);
    std::string text;
    if (!readImportText(target, text, io)) return false;
    InputFaults faults;
    if (isCsv(text)) {
        char separator = csvSeparatorLine(text);
        CsvImportRules rules;
        rules.countDeck = 0;
        rules.separatorLine = separator != 0;
        if (!rules.separatorLine) separator = detectCsvSeparator(text);
        CsvReader table(text, separator, faults);
        readCsvCounts(table, rules, target, faults);
    } else {
        readListCounts(text, 0, target, faults);
    }
    if (faults.any()) {
        reportImportFaults(target, faults, io);
        return false;
    }
    for (int card = 0; card < CardCount; ++card) {
        copies.copies[card] = target.decks->decks[0].counts[card];
        copies.line[card] = target.firstLine[card];
    }
    return true;
}
