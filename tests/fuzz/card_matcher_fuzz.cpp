// The card matcher, the list line and the excerpt under arbitrary text: the input's
// first two line ends split it into a set, a number and a name. Every match names a
// card or says why not in a message safe to show; every excerpt is safe and short;
// trimmed text starts and ends with no space.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "catalogue/card_record.h"
#include "cli/cards/card_list_line.h"
#include "cli/cards/card_matcher.h"
#include "cli/text/input_excerpt.h"
#include "cli/text/text_spaces.h"
#include "tests/fuzz/cli_fuzz_support.h"

namespace {

constexpr AmbiguityAdvice Advice{"add a set or id column", "add an id column"};

void requireMatch(const CardMatch& match) {
    if (match.card < -1 || match.card >= CardCount || (match.card < 0) == match.fault.empty())
        std::abort();
    clifuzz::requireSafeMessage(match.fault);
}

std::string_view nextPart(std::string_view& text) {
    const std::size_t end = text.find('\n');
    const std::string_view part = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return part;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view rest = input;
    const std::string_view set = nextPart(rest), number = nextPart(rest), name = rest;
    const CardMatcher& matcher = cardMatcher();
    requireMatch(matcher.byId(set));
    requireMatch(matcher.bySetAndNumber(set, number));
    requireMatch(matcher.byName(name, set, Advice, true));
    requireMatch(matcher.byName(name, "", Advice, size % 2 == 0));
    if (const int found = matcher.findSet(number); found < -1 || found >= SetCount) std::abort();
    const CardListEntry entry = parseCardListLine(input);
    if (!entry.ignored) requireMatch(matchCardListEntry(entry, true));

    const std::string excerpt = inputExcerpt(input);
    clifuzz::requireSafeMessage(excerpt);
    if (excerpt.find('\n') != std::string::npos || excerpt.size() > 40 * 10 + 3) std::abort();
    const std::string_view trimmed = trimmedText(input);
    if (!trimmed.empty() &&
        (spaceLengthAt(trimmed, 0) > 0 || spaceLengthAt(trimmed, trimmed.size() - 1) > 0))
        std::abort();
    return 0;
}
