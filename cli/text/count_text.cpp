#include "cli/text/count_text.h"

#include <algorithm>

#include "store/deck_set.h"

long parseCount(std::string_view digits) {
    if (digits.empty()) return -1;
    long long count = 0; // 32 bits in a long on Windows
    for (const char c : digits) {
        if (c < '0' || c > '9') return -1;
        count = std::min<long long>(count * 10 + (c - '0'), CountCap);
    }
    return static_cast<long>(count);
}

std::string countRange(std::string_view to) {
    return "0" + std::string(to) + std::to_string(MaxCount);
}
