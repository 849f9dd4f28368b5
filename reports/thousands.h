#pragma once
// Counts as the windows' texts show them.
#include <string>

// 10046 as "10,046": a comma between each group of three digits.
std::string withThousands(long long number);
