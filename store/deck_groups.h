#pragma once
// How much of each set, each rarity and each rarity within a set a deck holds: the
// cards with a count other than 0, out of the catalogue's cards in that group.
#include "catalogue/name_tables.h"

struct StoreDeck;

struct GroupShare {
    int held = 0;
    int of = 0;
    int percent() const { return of == 0 ? 0 : held * 100 / of; } // rounded down
};

struct DeckGroups {
    GroupShare sets[SetCount];
    GroupShare rarities[RarityCount];
    GroupShare setRarities[SetCount][RarityCount];
};

DeckGroups countDeckGroups(const StoreDeck& deck);
