#include "cli/import/csv_counts.h"

#include <algorithm>
#include <string>

#include "cli/cards/card_matcher.h"
#include "cli/import/deck_import.h"
#include "cli/text/count_text.h"
#include "cli/text/input_excerpt.h"

namespace {

enum class Column { Id, SetCode, Number, Name, Set, Deck1, Count = Deck1 + DeckCount, Other };
constexpr int ColumnCount = static_cast<int>(Column::Other);

struct HeaderName {
    std::string_view name; // lower case, spaces for underscores
    Column column;
};
constexpr HeaderName HeaderNames[] = {
    {"id", Column::Id},
    {"card id", Column::Id},
    {"set code", Column::SetCode},
    {"edition code", Column::SetCode},
    {"collector number", Column::Number},
    {"card number", Column::Number},
    {"number", Column::Number},
    {"name", Column::Name},
    {"card name", Column::Name},
    {"card", Column::Name},
    {"set", Column::Set},
    {"edition", Column::Set},
    {"set name", Column::Set},
    {"count", Column::Count},
    {"quantity", Column::Count},
    {"qty", Column::Count},
    {"missing", Column::Count}, // as wants --csv writes it
    {"spare", Column::Count},   // as spares --csv writes it
};
constexpr const char* ColumnNames[ColumnCount] = {"id",    "set code", "number", "name",
                                                  "set",   "deck1",    "deck2",  "deck3",
                                                  "deck4", "deck5",    "count"};

constexpr AmbiguityAdvice CsvAdvice{"add a set or id column", "add an id column"};

Column columnOf(std::string_view header) {
    header = trimmedText(header);
    if (header.size() > 16) return Column::Other; // longer than any name it knows
    std::string name(header);
    for (char& c : name)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c == '_' ? ' ' : c;
    if (name.size() == 5 && name.starts_with("deck") && name[4] >= '1' && name[4] <= '5')
        return static_cast<Column>(static_cast<int>(Column::Deck1) + name[4] - '1');
    for (const HeaderName& known : HeaderNames)
        if (known.name == name) return known.column;
    return Column::Other;
}

enum class CardBy { Id, SetAndNumber, Name };

struct Columns {
    int at[ColumnCount]; // the column of each kind, or -1
    CardBy cardBy = CardBy::Id;
    int set = -1; // the column that holds the set, for CardBy::SetAndNumber and Name
    int deck[DeckCount] = {-1, -1, -1, -1, -1};
    int lastUsed = -1;
    int headerCells = 0;

    int operator[](Column column) const { return at[static_cast<int>(column)]; }
};

std::string cardColumns(Columns& columns) {
    columns.set = columns[Column::SetCode] >= 0 ? columns[Column::SetCode] : columns[Column::Set];
    if (columns[Column::Id] >= 0)
        columns.cardBy = CardBy::Id;
    else if (columns.set >= 0 && columns[Column::Number] >= 0)
        columns.cardBy = CardBy::SetAndNumber;
    else if (columns[Column::Name] >= 0)
        columns.cardBy = CardBy::Name;
    else
        return "no card column: the header needs id, set code and number, or name";
    return "";
}

std::string countColumns(int countDeck, Columns& columns) {
    const int count = columns[Column::Count];
    if (countDeck >= 0) {
        columns.deck[countDeck] = count;
        return count < 0 ? "no count column for --deck (count, quantity or qty)" : "";
    }
    for (int deck = 0; deck < DeckCount; ++deck)
        columns.deck[deck] = columns.at[static_cast<int>(Column::Deck1) + deck];
    if (std::any_of(columns.deck, columns.deck + DeckCount, [](int at) { return at >= 0; }))
        return "";
    return count >= 0 ? "a count column needs --deck N" : "no deck1..deck5 column";
}

// The reason the header cannot be used, or "" when it can.
std::string headerFault(CsvReader& table, int countDeck, Columns& columns) {
    std::fill(columns.at, columns.at + ColumnCount, -1);
    std::string twice;
    bool lineEnd = false;
    std::string_view cell;
    for (; table.nextCell(cell); ++columns.headerCells) {
        // A line end in a header cell means a stray quote swallowed the rows after it.
        lineEnd = lineEnd || cell.find_first_of("\r\n") != std::string_view::npos;
        const int kind = static_cast<int>(columnOf(cell));
        if (kind == ColumnCount) continue;
        if (columns.at[kind] >= 0 && twice.empty())
            twice = std::string("two columns for the ") + ColumnNames[kind];
        columns.at[kind] = columns.headerCells;
    }
    if (lineEnd) return "no card rows";
    if (!twice.empty()) return twice;
    if (std::string reason = cardColumns(columns); !reason.empty()) return reason;
    if (std::string reason = countColumns(countDeck, columns); !reason.empty()) return reason;
    const int card[] = {columns[Column::Id], columns[Column::Number], columns[Column::Name],
                        columns.set};
    const int used[] = {columns.cardBy == CardBy::Id             ? card[0]
                        : columns.cardBy == CardBy::SetAndNumber ? std::max(card[1], card[3])
                                                                 : std::max(card[2], card[3]),
                        *std::max_element(columns.deck, columns.deck + DeckCount)};
    columns.lastUsed = std::max(used[0], used[1]);
    return "";
}

// The cells of one row that the columns need, and how many it has.
struct Row {
    std::string_view at[ColumnCount];
    std::string_view set;
    std::string_view deck[DeckCount];
    int cells = 0;
    bool blank = true;

    std::string_view operator[](Column column) const { return at[static_cast<int>(column)]; }
};

// False for a row with a broken quote, whose fault is recorded.
bool readRow(CsvReader& table, const Columns& columns, Row& row) {
    row = Row{};
    std::string_view cell;
    for (; table.nextCell(cell); ++row.cells) {
        for (int kind = 0; kind < ColumnCount; ++kind)
            if (row.cells == columns.at[kind]) row.at[kind] = cell;
        if (row.cells == columns.set) row.set = cell;
        for (int deck = 0; deck < DeckCount; ++deck)
            if (row.cells == columns.deck[deck]) row.deck[deck] = cell;
        row.blank = row.blank && trimmedText(cell).empty();
    }
    return !table.broken();
}

// A count cell: a whole number, an empty cell being 0.
RowCount cellCount(std::string_view cell) {
    cell = trimmedText(cell);
    return {cell.empty() ? 0 : parseCount(cell), cell};
}

CardMatch matchRow(const Columns& columns, const Row& row, bool explain) {
    const CardMatcher& matcher = cardMatcher();
    switch (columns.cardBy) {
    case CardBy::Id: return matcher.byId(row[Column::Id]);
    case CardBy::SetAndNumber: return matcher.bySetAndNumber(row.set, row[Column::Number]);
    case CardBy::Name: break;
    }
    return matcher.byName(row[Column::Name], row.set, CsvAdvice, explain);
}

} // namespace

void readCsvCounts(CsvReader& table, DeckImport& target, InputFaults& faults) {
    if (!table.nextRow()) {
        faults.add(1, "no header line");
        return;
    }
    const int headerLine = table.line();
    Columns columns;
    const std::string reason = headerFault(table, target.deck, columns);
    if (table.broken()) return; // its fault is recorded
    if (!reason.empty()) {
        faults.add(headerLine, reason);
        return;
    }
    for (int deck = 0; deck < DeckCount; ++deck)
        if (columns.deck[deck] >= 0) importDeck(target, deck);
    target.deckColumns = target.deck < 0;

    bool anyCardRow = false;
    Row row;
    while (table.nextRow()) {
        const int line = table.line();
        const bool whole = readRow(table, columns, row);
        if (whole && row.blank) continue;
        anyCardRow = true;
        if (!whole) continue;
        if (row.cells <= columns.lastUsed) {
            faults.add(line, counted(row.cells, "cell", "cells") + ", the header has " +
                                 std::to_string(columns.headerCells));
            continue;
        }
        const CardMatch match = matchRow(columns, row, !faults.full());
        if (match.card < 0) faults.add(line, match.fault);
        RowCount counts[DeckCount];
        for (int deck = 0; deck < DeckCount; ++deck)
            if (columns.deck[deck] >= 0) counts[deck] = cellCount(row.deck[deck]);
        if (match.card >= 0) importRow(target, line, match.card, counts, faults);
        for (int deck = 0; deck < DeckCount; ++deck)
            if (columns.deck[deck] >= 0 && counts[deck].value < 0)
                faults.add(line,
                           (target.deckColumns ? "deck " + std::to_string(deck + 1) + ": " : "") +
                               "count \"" + inputExcerpt(row.deck[deck]) +
                               "\" is not a whole number in " + countRange(".."));
    }
    if (!anyCardRow) faults.add(0, "no card rows");
}
