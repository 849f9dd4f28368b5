#include "cli/cards/card_list_line.h"

#include "catalogue/card_record.h"
#include "cli/text/count_text.h"

namespace {

constexpr AmbiguityAdvice ListAdvice{"give the set, as in \"3 Amber Horn (Grimward)\", or the id",
                                     "give the id instead, as in \"3 GW030\""};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "5", "5x" or "5X" and a space (any Unicode space) before the rest of the line; false
// when the line does not start with a count.
bool takeCount(std::string_view& text, CardListEntry& entry) {
    std::size_t at = 0;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    if (at == 0) return false;
    const std::string_view digits = text.substr(0, at);
    if (at < text.size() && (text[at] == 'x' || text[at] == 'X')) ++at;
    if (at < text.size() && spaceLengthAt(text, at) == 0) return false;
    entry.count = parseCount(digits);
    entry.countText = digits;
    text = trimmedText(text.substr(at));
    return true;
}

// A trailing "(...)" or "[...]" that names a set, taken off the name.
void takeSet(CardListEntry& entry) {
    const std::string_view name = entry.name;
    if (name.empty() || (name.back() != ')' && name.back() != ']')) return;
    const char open = name.back() == ')' ? '(' : '[';
    const std::size_t start = name.rfind(open);
    if (start == std::string_view::npos) return;
    const std::string_view set = name.substr(start + 1, name.size() - start - 2);
    if (cardMatcher().findSet(set) < 0) return;
    entry.set = trimmedText(set);
    entry.name = trimmedText(name.substr(0, start));
}

} // namespace

CardListEntry parseCardListLine(std::string_view line) {
    CardListEntry entry;
    line = trimmedText(line);
    if (line.empty() || line.starts_with('#') || line.starts_with("//")) {
        entry.ignored = true;
        return entry;
    }
    takeCount(line, entry);
    entry.name = line;
    takeSet(entry);
    return entry;
}

CardMatch matchCardListEntry(const CardListEntry& entry, bool explain) {
    if (entry.set.empty()) {
        // An id alone ("GW030"): two letters and digits, naming a card.
        const CardMatch byId = cardMatcher().byId(entry.name);
        if (byId.card >= 0) return byId;
    }
    return cardMatcher().byName(entry.name, entry.set, ListAdvice, explain);
}

std::string cardListLine(std::size_t card, unsigned count) {
    const CardRecord& record = CardCatalogue[card];
    const std::string start = std::to_string(count) + " ";
    const std::string name = fieldText(record.name);
    for (const std::string& line :
         {start + name, start + name + " (" + fieldText(SetNames[record.set]) + ")"}) {
        const CardMatch match = matchCardListEntry(parseCardListLine(line), false);
        if (match.card == static_cast<int>(card)) return line;
    }
    return start + fieldText(record.cardId);
}
