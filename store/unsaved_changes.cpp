#include "store/unsaved_changes.h"

#include <cstring>

#include "store/deck_set.h"

namespace {
// The decks as they were after start-up or the last successful Load or Save. A copy
// rather than a flag, so that "+" then "-" on the same card does not count as a change.
DeckSet savedDecks;
} // namespace

void markDecksSaved() {
    std::memcpy(&savedDecks, &deckSet, sizeof deckSet);
}

bool decksChangedSinceSave() {
    return std::memcmp(&savedDecks, &deckSet, sizeof deckSet) != 0;
}
