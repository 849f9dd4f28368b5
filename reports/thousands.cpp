#include "reports/thousands.h"

// Grouped by appending: gcc 12 misreads an insert into the string at -O3.
std::string withThousands(long long number) {
    const std::string digits = std::to_string(number < 0 ? -number : number);
    std::string shown = number < 0 ? "-" : "";
    for (std::size_t at = 0; at < digits.size(); ++at) {
        if (at > 0 && (digits.size() - at) % 3 == 0) shown += ',';
        shown += digits[at];
    }
    return shown;
}
