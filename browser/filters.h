#pragma once
// The four filter groups of check boxes and the masks behind them.
#include <cstdint>

class Dialog;

constexpr uint32_t AllSets = 127;
constexpr uint32_t AllTypes = 511;
constexpr uint32_t AllRarities = 31;
constexpr uint32_t AllDecks = 31;

struct FilterState {
    uint32_t setMask;
    uint32_t typeMask;
    uint32_t rarityMask;
    uint32_t deckSearchMask;
};

extern FilterState filterState;

// Back to the start-up state: every set, type and rarity, no deck search.
void resetFilters();

bool passesCategories(int card);
bool passesDeckSearch(int card);

bool isFilterMember(int id);
bool isFilterAll(int id);
void toggleMember(Dialog& dialog, int boxId);
void toggleAll(Dialog& dialog, int allBoxId);
void syncBoxes(Dialog& dialog);
