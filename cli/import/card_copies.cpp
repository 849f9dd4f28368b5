#include "cli/import/card_copies.h"

#include "cli/cards/card_list_line.h"
#include "cli/import/csv_counts.h"
#include "cli/import/deck_import.h"
#include "cli/import/list_counts.h"
#include "cli/text/csv_reader.h"

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

// For the messages: a deck file given as a list.
constexpr ImportFormat CopiesList{"", "", "a card list: export-list", nullptr};

} // namespace

bool readCardCopies(const std::string& path, CardCopies& copies, CliOutput& io) {
    DeckImport list;
    list.input = path;
    list.deck = 0;
    list.sum = true;
    list.decks = std::make_unique<DeckSet>();
    list.firstLine.assign(CardCount, 0);
    std::string text;
    if (!readImportText(CopiesList, path, text, io)) return false;
    InputFaults faults;
    if (isCsv(text)) {
        CsvReader table(text, faults);
        readCsvCounts(table, list, faults);
    } else {
        readListRows(text, list, faults);
    }
    if (faults.any()) {
        reportImportFaults(list, faults, io);
        return false;
    }
    for (int card = 0; card < CardCount; ++card) {
        copies.copies[card] = list.decks->decks[0].counts[card];
        copies.line[card] = list.firstLine[card];
    }
    return true;
}
