#pragma once
// The five Store Decks: one count of copies per card and deck. Counts made by the
// program stay in 0..255; counts read from a deck file may hold any 32-bit value.
#include <cstdint>

#include "catalogue/card_record.h"

constexpr int DeckCount = 5;
constexpr int32_t MaxCount = 255;

struct StoreDeck {
    int32_t counts[CardCount];
};

struct DeckSet {
    StoreDeck decks[DeckCount]; // deck 0 first, as in the deck file
};

extern DeckSet deckSet;
extern int currentDeck;  // 0..4, shown to the user as 1..5
extern int selectedCard; // the card "+" and "-" act on; set by the card panel

// Back to the start-up state: every count 0, deck 0 current, card 0 selected.
void resetStore();

void setCurrentDeck(int deck);
void incrementCount(int deck, int card);
void decrementCount(int deck, int card);
void clearDeck(int deck);

// A deck's statistics, as the window's statistics lines show them (the per-set and
// per-rarity shares: store/deck_groups.h). Summed in 64 bits so that large counts
// read from a file cannot overflow.
int64_t deckTotal(const StoreDeck& deck);
int ownedDistinct(const StoreDeck& deck);
int completionPercent(const StoreDeck& deck);
bool heldInAny(int card, uint32_t deckMask);

// What the five decks of a set hold together: every copy, and the cards held in at
// least one of them.
struct Holding {
    int64_t copies = 0;
    int cards = 0;
};
Holding holdingOf(const DeckSet& decks);
