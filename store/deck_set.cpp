#include "store/deck_set.h"

#include <cstring>

DeckSet deckSet;
int currentDeck = 0;
int selectedCard = 0;

void resetStore() {
    std::memset(&deckSet, 0, sizeof deckSet);
    currentDeck = 0;
    selectedCard = 0;
}

void setCurrentDeck(int deck) {
    currentDeck = deck;
}

void incrementCount(int deck, int card) {
    int32_t& count = deckSet.decks[deck].counts[card];
    // Compared unsigned, so a negative count read from a file is left alone too.
    if (static_cast<uint32_t>(count) < static_cast<uint32_t>(MaxCount)) ++count;
}

void decrementCount(int deck, int card) {
    int32_t& count = deckSet.decks[deck].counts[card];
    // INT32_MIN has nowhere lower to go; every other non-zero count goes one down.
    if (count != 0 && count != INT32_MIN) --count;
}

void clearDeck(int deck) {
    std::memset(deckSet.decks[deck].counts, 0, sizeof deckSet.decks[deck].counts);
}

int64_t deckTotal(const StoreDeck& deck) {
    int64_t total = 0;
    for (int32_t count : deck.counts)
        total += count;
    return total;
}

int ownedDistinct(const StoreDeck& deck) {
    int owned = 0;
    for (int32_t count : deck.counts)
        owned += count != 0;
    return owned;
}

Holding holdingOf(const DeckSet& decks) {
    Holding holding;
    for (int card = 0; card < CardCount; ++card) {
        bool held = false;
        for (const StoreDeck& deck : decks.decks) {
            holding.copies += deck.counts[card];
            held = held || deck.counts[card] != 0;
        }
        holding.cards += held;
    }
    return holding;
}

int completionPercent(const StoreDeck& deck) {
    // Rounded down, as the statistics line shows it.
    return ownedDistinct(deck) * 100 / CardCount;
}

bool heldInAny(int card, uint32_t deckMask) {
    for (int deck = 0; deck < DeckCount; ++deck)
        if ((deckMask & (1u << deck)) && deckSet.decks[deck].counts[card] != 0) return true;
    return false;
}
