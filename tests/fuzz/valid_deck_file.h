#pragma once
// What the fuzz targets hold every input to: a deck file is accepted exactly when it
// holds 33480 bytes and every count is in 0..255 (the three high bytes of each zero).
#include <string_view>

#include "store/deck_file.h"

inline bool isValidDeckFile(std::string_view input) {
    if (input.size() != DeckFileSize) return false;
    for (std::size_t at = 0; at < input.size(); at += 4)
        if (input[at + 1] || input[at + 2] || input[at + 3]) return false;
    return true;
}
