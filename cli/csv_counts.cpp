#include "cli/csv_counts.h"

#include <algorithm>
#include <string>

#include "cli/card_fields.h"
#include "cli/input_excerpt.h"
#include "store/deck_set.h"

namespace {

enum class ColumnKind { Id, Deck1, Deck2, Deck3, Deck4, Deck5, Count, Other };
constexpr int KindCount = static_cast<int>(ColumnKind::Other);

struct Columns {
    int id = -1;
    int deck[DeckCount] = {-1, -1, -1, -1, -1}; // the column that fills each deck
    int lastCount = -1;                         // the last of them
    int headerCells = 0;
};

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool equalsIgnoringCase(std::string_view text, std::string_view lower) {
    return text.size() == lower.size() &&
           std::equal(text.begin(), text.end(), lower.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
           });
}

ColumnKind columnKind(std::string_view header) {
    const std::string_view name = trimmed(header);
    if (equalsIgnoringCase(name, "id")) return ColumnKind::Id;
    if (equalsIgnoringCase(name, "count")) return ColumnKind::Count;
    if (name.size() == 5 && equalsIgnoringCase(name.substr(0, 4), "deck") && name[4] >= '1' &&
        name[4] <= '5')
        return static_cast<ColumnKind>(name[4] - '0');
    return ColumnKind::Other;
}

const char* const KindNames[KindCount] = {"id",    "deck1", "deck2", "deck3",
                                          "deck4", "deck5", "count"};

// The reason the header cannot be used, or "" when it can.
std::string headerFault(CsvReader& table, const CsvImportRules& rules, Columns& columns) {
    int kinds[KindCount] = {-1, -1, -1, -1, -1, -1, -1};
    std::string twice;
    bool lineEnd = false;
    std::string_view cell;
    for (; table.nextCell(cell); ++columns.headerCells) {
        // A line end in a header cell means a stray quote swallowed the rows after it.
        lineEnd = lineEnd || cell.find_first_of("\r\n") != std::string_view::npos;
        const int kind = static_cast<int>(columnKind(cell));
        if (kind == KindCount) continue;
        if (kinds[kind] >= 0 && twice.empty())
            twice = std::string("the column ") + KindNames[kind] + " twice";
        kinds[kind] = columns.headerCells;
    }
    if (lineEnd) return "no card rows";
    if (!twice.empty()) return twice;
    const int count = kinds[static_cast<int>(ColumnKind::Count)];
    columns.id = kinds[static_cast<int>(ColumnKind::Id)];
    if (columns.id < 0) return "no id column";
    if (rules.countDeck >= 0) {
        columns.deck[rules.countDeck] = columns.lastCount = count;
        return count < 0 ? "no count column for --deck" : "";
    }
    std::copy(kinds + 1, kinds + 1 + DeckCount, columns.deck);
    columns.lastCount = *std::max_element(columns.deck, columns.deck + DeckCount);
    if (columns.lastCount >= 0) return "";
    return count >= 0 ? "a count column needs --deck N" : "no deck1..deck5 column";
}

// The cells of one row that the columns need, and how many it has.
struct Row {
    std::string_view id;
    std::string_view deck[DeckCount];
    int cells = 0;
    bool blank = true;
};

// False for a row with a broken quote, whose fault is recorded.
bool readRow(CsvReader& table, const Columns& columns, Row& row) {
    row = Row{};
    std::string_view cell;
    for (; table.nextCell(cell); ++row.cells) {
        if (row.cells == columns.id) row.id = cell;
        for (int deck = 0; deck < DeckCount; ++deck)
            if (row.cells == columns.deck[deck]) row.deck[deck] = cell;
        row.blank = row.blank && trimmed(cell).empty();
    }
    return !table.broken();
}

// 0..255, or -1 for anything else; an empty cell is 0.
int parseCount(std::string_view text) {
    text = trimmed(text);
    if (text.size() > 3) return -1;
    int count = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return -1;
        count = count * 10 + (c - '0');
    }
    return count <= MaxCount ? count : -1;
}

} // namespace

void applyCsvCounts(CsvReader& table, const CsvImportRules& rules, DeckSet& decks,
                    CsvFaults& faults) {
    if (!table.nextRow()) {
        faults.add(1, "no header line");
        return;
    }
    Columns columns;
    const std::string reason = headerFault(table, rules, columns);
    if (table.broken()) return; // its fault is recorded
    if (!reason.empty()) {
        faults.add(1, reason);
        return;
    }
    if (rules.replace)
        for (int deck = 0; deck < DeckCount; ++deck)
            if (columns.deck[deck] >= 0) decks.decks[deck] = StoreDeck{};

    const CardIdIndex index;
    std::vector<int> seenOnLine(CardCount, 0);
    bool anyCardRow = false;
    Row row;
    while (table.nextRow()) {
        const int line = table.line();
        const bool whole = readRow(table, columns, row);
        if (whole && row.blank) continue;
        anyCardRow = true;
        if (!whole) continue;
        if (row.cells <= columns.lastCount) {
            faults.add(line, std::to_string(row.cells) + (row.cells == 1 ? " cell" : " cells") +
                                 ", the header has " + std::to_string(columns.headerCells));
            continue;
        }
        const std::string_view id = trimmed(row.id);
        const int card = index.find(id);
        if (id.empty()) {
            faults.add(line, "no card id");
        } else if (card < 0) {
            faults.add(line, "unknown card id \"" + inputExcerpt(id) + "\"");
        } else if (seenOnLine[card] > 0) {
            faults.add(line, "card " + std::string(id) + " again, first on line " +
                                 std::to_string(seenOnLine[card]));
        } else {
            seenOnLine[card] = line;
        }
        for (int deck = 0; deck < DeckCount; ++deck) {
            if (columns.deck[deck] < 0) continue;
            const int count = parseCount(row.deck[deck]);
            if (count < 0)
                faults.add(line, "deck " + std::to_string(deck + 1) + ": count \"" +
                                     inputExcerpt(row.deck[deck]) +
                                     "\" is not a whole number in 0..255");
            else if (card >= 0)
                decks.decks[deck].counts[card] = count;
        }
    }
    if (!anyCardRow) faults.add(0, "no card rows");
}
