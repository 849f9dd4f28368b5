#pragma once
// The line under the deck file's name: what it holds ("5 decks, 10,046 copies, 1,674
// of 1,674 cards") or, in the console program's own words, why it cannot be read.
#include <string>

#include "tools_window/tools_operations.h"

struct DeckFileLine {
    DeckFileState state;
    std::string text;
};

DeckFileLine describeDeckFile(const std::string& path);
