#include "cli/cards/card_matcher.h"

#include <algorithm>

#include "catalogue/card_record.h"
#include "catalogue/field_view.h"
#include "catalogue/utf8.h"
#include "catalogue/windows1252.h"
#include "cli/text/input_excerpt.h"

namespace {

constexpr char Unmatchable = '\x7F'; // no name holds it
constexpr int NearestDistance = 2;
constexpr std::size_t NearestShown = 3;

std::string upperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

// Edit distance with adjacent transpositions, or more than `limit` when it exceeds it.
int editDistance(std::string_view a, std::string_view b, int limit) {
    if (a.size() > b.size() + limit || b.size() > a.size() + limit) return limit + 1;
    std::vector<int> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        previous[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = static_cast<int>(i);
        int rowBest = current[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int best = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                best = std::min(best, before[j - 2] + 1);
            current[j] = best;
            rowBest = std::min(rowBest, best);
        }
        if (rowBest > limit) return limit + 1;
        before.swap(previous);
        previous.swap(current);
    }
    return previous[b.size()];
}

std::string cardWithSet(int card) {
    const CardRecord& record = CardCatalogue[card];
    return fieldText(record.cardId) + " (" + fieldText(SetNames[record.set]) + ")";
}

// The user's text in a message, short and safe.
std::string quotedText(std::string_view text) {
    std::string quoted(1, '"');
    quoted += inputExcerpt(text);
    return quoted += '"';
}

std::string cardName(int card) {
    std::string quoted(1, '"');
    quoted += fieldText(CardCatalogue[card].name);
    return quoted += '"';
}

std::string ambiguous(std::span<const int> cards, const AmbiguityAdvice& advice) {
    std::string fault = cardName(cards[0]) + " is " + std::to_string(cards.size()) + " cards: ";
    bool setsDiffer = false;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (i > 0) fault += ", ";
        fault += cardWithSet(cards[i]);
        setsDiffer = setsDiffer || CardCatalogue[cards[i]].set != CardCatalogue[cards[0]].set;
    }
    return fault + "; " + std::string(setsDiffer ? advice.addSet : advice.addId);
}

} // namespace

std::string CardMatcher::unknownSet(std::string_view text) const {
    text = trimmedText(text);
    std::string fault = text.empty() ? "no set given" : "no set " + quotedText(text);
    for (int set = 0; set < SetCount; ++set)
        fault += (set == 0 ? "; the sets are " : ", ") + fieldText(SetNames[set]) + " (" +
                 codes_[set] + ")";
    return fault;
}

bool foldTypedNameWithin(std::string_view utf8, std::size_t most, std::string& folded) {
    utf8 = trimmedText(utf8);
    std::string bytes;
    std::string one;
    std::size_t kept = 0; // the bytes foldName keeps, one each: all but - ' and its curly forms
    for (std::size_t at = 0; at < utf8.size();) {
        const long codePoint = nextCodePoint(utf8, at);
        if (codePoint >= 0x300 && codePoint < 0x370) continue; // a combining accent
        if (codePoint < 0 || codePoint > 0xFFFF ||
            !utf16ToWindows1252(std::u16string(1, static_cast<char16_t>(codePoint)), one))
            one.assign(1, Unmatchable);
        const char byte = one[0];
        kept += byte != '-' && byte != '\'' && byte != '\x91' && byte != '\x92';
        if (kept > most) return false;
        bytes += byte;
    }
    folded = foldName(bytes);
    return true;
}

std::string foldTypedName(std::string_view utf8) {
    std::string folded;
    foldTypedNameWithin(utf8, std::string::npos, folded);
    return folded;
}

CardMatcher::CardMatcher() {
    folded_.reserve(CardCount);
    for (int card = 0; card < CardCount; ++card) {
        const CardRecord& record = CardCatalogue[card];
        folded_.push_back(foldName(fieldView(record.name)));
        longestName_ = std::max(longestName_, folded_.back().size());
        codes_[record.set] = std::string(record.cardId, 2);
    }
    for (int card = 0; card < CardCount; ++card)
        names_[folded_[card]].push_back(card);
    for (int set = 0; set < SetCount; ++set) {
        foldedSets_[set][0] = foldName(SetNames[set]);
        foldedSets_[set][1] = foldTypedName(SetFullNames[set]);
        longestSet_ =
            std::max({longestSet_, foldedSets_[set][0].size(), foldedSets_[set][1].size()});
    }
}

int CardMatcher::findSet(std::string_view text) const {
    std::string folded;
    if (!foldTypedNameWithin(text, longestSet_, folded)) return -1;
    const std::string code = upperCase(trimmedText(text).substr(0, 3));
    for (int set = 0; set < SetCount; ++set)
        if (folded == foldedSets_[set][0] || folded == foldedSets_[set][1] || code == codes_[set])
            return set;
    return -1;
}

CardMatch CardMatcher::byId(std::string_view id) const {
    id = trimmedText(id);
    if (id.empty()) return {-1, "no card id"};
    // Longer than any id: not even upper-cased, so a cell of any size costs no copy.
    const int card = id.size() > 8 ? -1 : ids_.find(upperCase(id));
    if (card < 0) return {-1, "unknown card id " + quotedText(id)};
    return {card, ""};
}

CardMatch CardMatcher::bySetAndNumber(std::string_view setText, std::string_view number) const {
    const int set = findSet(setText);
    if (set < 0) return {-1, unknownSet(setText)};
    number = trimmedText(number);
    std::string_view digits = number;
    if (digits.size() > 2 && upperCase(digits.substr(0, 2)) == codes_[set]) digits.remove_prefix(2);
    while (digits.size() > 3 && digits.front() == '0')
        digits.remove_prefix(1);
    const bool numeric =
        !digits.empty() && digits.size() <= 3 &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!numeric)
        return {-1, "no card number " + quotedText(number) + " in " + fieldText(SetNames[set])};
    const std::string id = codes_[set] + std::string(3 - digits.size(), '0') + std::string(digits);
    const int card = ids_.find(id);
    if (card < 0) return {-1, "no card " + id + " in " + fieldText(SetNames[set])};
    return {card, ""};
}

CardMatch CardMatcher::byName(std::string_view name, std::string_view setText,
                              const AmbiguityAdvice& advice, bool explain) const {
    std::string folded;
    // A name longer than any card's (give or take the nearest names' distance) is no
    // card's and near none: it is not folded whole, nor compared with every name.
    const bool foldable = foldTypedNameWithin(name, longestName_ + NearestDistance, folded);
    if (foldable && folded.empty()) return {-1, "no card name"};
    int set = -1;
    if (!trimmedText(setText).empty() && (set = findSet(setText)) < 0)
        return {-1, unknownSet(setText)};
    const auto found = foldable ? names_.find(folded) : names_.end();
    if (found == names_.end()) {
        std::string fault = "no card " + quotedText(trimmedText(name));
        if (!explain || !foldable) return {-1, fault};
        const std::vector<int> nearest = nearestNames(folded);
        for (std::size_t i = 0; i < nearest.size(); ++i)
            fault += (i == 0                    ? "; did you mean "
                      : i + 1 == nearest.size() ? " or "
                                                : ", ") +
                     cardName(nearest[i]);
        return {-1, nearest.empty() ? fault : fault + "?"};
    }
    std::vector<int> cards;
    for (const int card : found->second)
        if (set < 0 || CardCatalogue[card].set == set) cards.push_back(card);
    if (cards.size() == 1) return {cards[0], ""};
    if (cards.empty()) {
        std::string fault =
            cardName(found->second[0]) + " is not in " + fieldText(SetNames[set]) + ": it is ";
        for (std::size_t i = 0; i < found->second.size(); ++i)
            fault += (i == 0 ? "" : ", ") + cardWithSet(found->second[i]);
        return {-1, fault};
    }
    return {-1, ambiguous(cards, advice)};
}

std::vector<int> CardMatcher::nearestNames(const std::string& folded) const {
    std::vector<std::pair<int, int>> found; // distance, first card of the name
    for (const auto& [name, cards] : names_) {
        const int distance = editDistance(folded, name, NearestDistance);
        if (distance <= NearestDistance) found.push_back({distance, cards[0]});
    }
    std::sort(found.begin(), found.end());
    std::vector<int> nearest;
    for (std::size_t i = 0; i < found.size() && i < NearestShown; ++i)
        nearest.push_back(found[i].second);
    return nearest;
}

const CardMatcher& cardMatcher() {
    static const CardMatcher matcher;
    return matcher;
}
