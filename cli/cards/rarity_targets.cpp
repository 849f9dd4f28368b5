#include "cli/cards/rarity_targets.h"

#include "cli/text/count_text.h"
#include "cli/text/input_excerpt.h"
#include "store/deck_set.h"

namespace {

bool goalCount(std::string_view text, int& count) {
    const long parsed = parseCount(text);
    if (parsed < 0 || parsed > MaxCount) return false;
    count = static_cast<int>(parsed);
    return true;
}

// The rarity whose name starts with `initial`, in either case; -1 for none.
int rarityOfInitial(std::string_view initial) {
    if (initial.size() != 1) return -1;
    const char upper = initial[0] >= 'a' && initial[0] <= 'z' ? initial[0] - 'a' + 'A' : initial[0];
    for (int rarity = 0; rarity < RarityCount; ++rarity)
        if (RarityNames[rarity][0] == upper) return rarity;
    return -1;
}

// Built by appending: gcc 12 at -O3 warns falsely (-Wrestrict) on "literal" + string.
std::string quoted(std::string_view text) {
    std::string out(1, '\'');
    out += inputExcerpt(text);
    out += '\'';
    return out;
}

std::string initials() {
    std::string list;
    for (int rarity = 0; rarity < RarityCount; ++rarity)
        list += std::string(list.empty() ? "" : ", ") + RarityNames[rarity][0];
    return list;
}

} // namespace

bool parseRarityTargets(std::string_view text, RarityTargets& targets, std::string& error) {
    int count = 0;
    if (goalCount(text, count)) {
        for (int& target : targets.target)
            target = count;
        return true;
    }
    for (int& target : targets.target)
        target = NoTarget;
    if (text.find('=') == std::string_view::npos) {
        error = quoted(text) + " is not a count " + countRange() +
                " nor counts per rarity like F=1,C=3,U=3,R=2,P=1";
        return false;
    }
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const std::size_t equals = item.find('=');
        const int rarity = rarityOfInitial(item.substr(0, equals));
        if (equals == std::string_view::npos || rarity < 0) {
            error =
                quoted(item) + " is not INITIAL=COUNT with a rarity's initial (" + initials() + ")";
            return false;
        }
        if (targets.target[rarity] != NoTarget) {
            error = std::string("rarity ") + RarityNames[rarity][0] + " given twice";
            return false;
        }
        if (!goalCount(item.substr(equals + 1), targets.target[rarity])) {
            error = quoted(item) + ": counts are " + countRange();
            return false;
        }
        if (comma == std::string_view::npos) return true;
        text.remove_prefix(comma + 1);
    }
}

int cardTarget(const RarityTargets& targets, int card) {
    return targets.target[CardCatalogue[card].rarity];
}

int heldCopies(const DeckSet& decks, int deck, int card) {
    if (deck >= 0) return decks.decks[deck].counts[card];
    int held = 0;
    for (const StoreDeck& each : decks.decks)
        held += each.counts[card];
    return held;
}
