#include "cli/csv_counts.h"

#include <algorithm>
#include <string>

#include "cli/card_fields.h"
#include "store/deck_set.h"

namespace {

struct Columns {
    int id = -1;
    int deck[DeckCount] = {-1, -1, -1, -1, -1}; // the column that fills each deck
};

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The column a header name stands for: 0 id, 1..5 deck1..deck5, 6 count, -1 other.
int columnKind(std::string_view header) {
    const std::string name = lowerCase(trimmed(header));
    if (name == "id") return 0;
    if (name == "count") return 6;
    if (name.size() == 5 && name.starts_with("deck") && name[4] >= '1' && name[4] <= '5')
        return name[4] - '0';
    return -1;
}

// The reason the header cannot be used, or "" when it can.
std::string readHeader(const CsvRow& header, int countDeck, Columns& columns) {
    int kinds[7] = {-1, -1, -1, -1, -1, -1, -1};
    for (int column = 0; column < static_cast<int>(header.cells.size()); ++column) {
        const int kind = columnKind(header.cells[column]);
        if (kind < 0) continue;
        if (kinds[kind] >= 0)
            return "the column " + lowerCase(trimmed(header.cells[column])) + " twice";
        kinds[kind] = column;
    }
    columns.id = kinds[0];
    if (columns.id < 0) return "no id column";
    if (countDeck >= 0) {
        columns.deck[countDeck] = kinds[6];
        return kinds[6] < 0 ? "no count column for --deck" : "";
    }
    std::copy(kinds + 1, kinds + 6, columns.deck);
    if (std::any_of(kinds + 1, kinds + 6, [](int column) { return column >= 0; })) return "";
    return kinds[6] >= 0 ? "a count column needs --deck N" : "no deck1..deck5 column";
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

bool isBlank(const CsvRow& row) {
    return std::all_of(row.cells.begin(), row.cells.end(),
                       [](const std::string& cell) { return trimmed(cell).empty(); });
}

std::string_view cellAt(const CsvRow& row, int column) {
    return column < static_cast<int>(row.cells.size()) ? std::string_view(row.cells[column])
                                                       : std::string_view();
}

} // namespace

std::vector<CsvFault> applyCsvCounts(const CsvTable& table, int countDeck, DeckSet& decks) {
    std::vector<CsvFault> faults = table.faults;
    Columns columns;
    if (table.rows.empty() || table.rows.front().line != 1) {
        if (faults.empty()) faults.push_back({1, "no header line"});
        return faults; // a broken header: its fault is already there
    }
    if (std::string reason = readHeader(table.rows.front(), countDeck, columns); !reason.empty()) {
        faults.insert(faults.begin(), {1, reason});
        return faults;
    }
    const CardIdIndex index;
    std::vector<int> seenOnLine(CardCount, 0);
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        const CsvRow& row = table.rows[r];
        if (isBlank(row)) continue;
        const std::string id(trimmed(cellAt(row, columns.id)));
        const int card = index.find(id);
        if (id.empty()) {
            faults.push_back({row.line, "no card id"});
        } else if (card < 0) {
            faults.push_back({row.line, "unknown card id \"" + id + "\""});
        } else if (seenOnLine[card] > 0) {
            faults.push_back({row.line, "card " + id + " again, first on line " +
                                            std::to_string(seenOnLine[card])});
        } else {
            seenOnLine[card] = row.line;
        }
        for (int deck = 0; deck < DeckCount; ++deck) {
            if (columns.deck[deck] < 0) continue;
            const std::string_view cell = cellAt(row, columns.deck[deck]);
            const int count = parseCount(cell);
            if (count < 0)
                faults.push_back({row.line, "deck " + std::to_string(deck + 1) + ": count \"" +
                                                std::string(cell) +
                                                "\" is not a whole number in 0..255"});
            else if (card >= 0)
                decks.decks[deck].counts[card] = count;
        }
    }
    std::stable_sort(faults.begin(), faults.end(),
                     [](const CsvFault& a, const CsvFault& b) { return a.line < b.line; });
    return faults;
}
