// The values of --target and --keep, and the counts of every reader, under arbitrary
// text: a goal is accepted only with every rarity's target in 0..MaxCount or left
// out, else refused with a message safe to show; a count reads as its digits say, up
// to the cap.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/cards/rarity_targets.h"
#include "cli/text/count_text.h"
#include "store/deck_set.h"
#include "tests/fuzz/cli_fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    RarityTargets targets;
    std::string error;
    if (parseRarityTargets(input, targets, error)) {
        for (const int target : targets.target)
            if (target != NoTarget && (target < 0 || target > MaxCount)) std::abort();
    } else {
        if (error.empty()) std::abort();
        clifuzz::requireSafeMessage(error);
    }
    const long count = parseCount(input);
    const bool digits =
        !input.empty() && input.find_first_not_of("0123456789") == std::string_view::npos;
    if (digits != (count >= 0) || count > CountCap) std::abort();
    if (digits && input.size() < 9 && count != std::stol(std::string(input))) std::abort();
    return 0;
}
