#pragma once
// A goal of copies per card for the commands that measure the collection against one:
// one number for every rarity ("3"), or one per rarity by its initial
// ("F=1,C=3,U=3,R=2,P=1"), where a rarity left out has no goal and its cards are left
// out. And the copies held of each card, in one deck or in the five added together.
#include <string>
#include <string_view>

#include "catalogue/name_tables.h"

struct DeckSet;

constexpr int NoTarget = -1;

struct RarityTargets {
    int target[RarityCount]; // 0..255, or NoTarget
};

// False, with the reason in `error`, for anything but a count 0..255 or a list of
// INITIAL=COUNT with each initial once.
bool parseRarityTargets(std::string_view text, RarityTargets& targets, std::string& error);

// The card's goal under `targets`: 0..255, or NoTarget.
int cardTarget(const RarityTargets& targets, int card);

// The copies of `card` in deck 0..4, or with `deck` -1 in the five decks together.
int heldCopies(const DeckSet& decks, int deck, int card);
