#pragma once
// Whether two sets of five decks hold the same counts, every one.
#include <cstring>

#include "store/deck_set.h"

inline bool sameDecks(const DeckSet& a, const DeckSet& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
