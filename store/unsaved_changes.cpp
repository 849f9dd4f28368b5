#include "store/unsaved_changes.h"

#include <cstring>
#include <utility>

#include "store/deck_set.h"

namespace {
// The decks as they were after start-up or the last successful Load or Save. A copy
// rather than a flag, so that "+" then "-" on the same card, or an undo back to them,
// does not count as a change.
DeckSet baseline;
std::string baselineFile;
} // namespace

void resetSavedDecks() {
    std::memset(&baseline, 0, sizeof baseline);
    baselineFile.clear();
}

void markDecksSaved() {
    std::memcpy(&baseline, &deckSet, sizeof deckSet);
}

void markDecksSavedAs(const std::string& fileName) {
    markDecksSaved();
    baselineFile = fileName;
}

bool decksChangedSinceSave() {
    return std::memcmp(&baseline, &deckSet, sizeof deckSet) != 0;
}

const DeckSet& savedDecks() {
    return baseline;
}

const std::string& savedFileName() {
    return baselineFile;
}

void restoreSavedDecks(const DeckSet& decks, std::string fileName) {
    std::memcpy(&baseline, &decks, sizeof baseline);
    baselineFile = std::move(fileName);
}
