#include "reports/deck_report.h"

#include <charconv>
#include <cstring>

#include "browser/filters.h"
#include "catalogue/card_record.h"
#include "catalogue/field_view.h"
#include "catalogue/name_tables.h"
#include "store/deck_set.h"

namespace {

constexpr const char* LineEnd = "\r\n";

// A stored field as written, trailing spaces included.
template <std::size_t N> void appendField(std::string& out, const char (&field)[N]) {
    out.append(fieldView(field));
}

// "%d": signed decimal, no padding.
void appendNumber(std::string& out, int32_t value) {
    char digits[12];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

bool isListed(int card, int32_t count, bool needs, bool filtered) {
    // Any non-zero count is held, a negative one read from a deck file included.
    if (needs != (count == 0)) return false;
    return !filtered || passesCategories(card);
}

} // namespace

void appendBasicEntry(std::string& out, const CardRecord& record, int32_t count, bool needs) {
    appendField(out, record.name);
    if (!needs) {
        out += ": ";
        appendNumber(out, count);
        out += ' ';
    }
    out += ": ";
    appendField(out, SetNames[record.set]);
    out += LineEnd;
}

void appendDetailedEntry(std::string& out, const CardRecord& record, int32_t count, bool needs) {
    out += "NAME : ";
    appendField(out, record.name);
    out += " TYPE: ";
    appendField(out, TypeNames[record.type]);
    out += " ID: ";
    appendField(out, record.cardId);
    out += ' ';
    out += LineEnd;

    // The set name's own trailing spaces separate it from what follows.
    out += "GAME : ";
    appendField(out, SetNames[record.set]);
    if (needs) {
        out += "       ";
    } else {
        out += "NUM: ";
        appendNumber(out, count);
        out += ' ';
    }
    out += "                 ARTIST: ";
    appendField(out, record.artist);
    out += LineEnd;

    out += "ALIG : ";
    appendField(out, AlignmentNames[record.alignment]);
    out += "                               RARITY: ";
    appendField(out, RarityNames[record.rarity]);
    out += ' ';
    appendField(out, record.rarityCode);
    out += ' ';
    out += LineEnd;

    // An empty line after every entry, the last one included.
    out += LineEnd;
}

void appendReportTrailer(std::string& out, int entries) {
    out += "Total Cards ";
    appendNumber(out, entries);
    out += LineEnd;
}

void writeDeckReport(std::string& out, int deck, DeckReportKind kind) {
    const bool needs = kind.listing == DeckReportKind::Needs;
    const bool filtered = kind.scope == DeckReportKind::Filtered;
    const bool detailed = kind.detail == DeckReportKind::Detailed;
    int entries = 0;
    for (int card = 0; card < CardCount; ++card) {
        const int32_t count = deckSet.decks[deck].counts[card];
        if (!isListed(card, count, needs, filtered)) continue;
        ++entries;
        if (detailed)
            appendDetailedEntry(out, CardCatalogue[card], count, needs);
        else
            appendBasicEntry(out, CardCatalogue[card], count, needs);
    }
    appendReportTrailer(out, entries);
}
