#pragma once
// The one reading of a count the user writes: in a CSV cell, on a list line, in
// --target and --keep. Digits only; any number of them reads, so that a count too
// large is named as such, as it was written.
#include <string>
#include <string_view>

// Far beyond any count a deck holds, so that counts added together stay exact.
constexpr long CountCap = 1000000000;

// The count, at most CountCap; -1 when `digits` is empty or holds anything but digits.
long parseCount(std::string_view digits);

// "0 to 255": the range of a count, as every message gives it.
std::string countRange(std::string_view to = " to ");
