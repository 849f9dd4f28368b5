#pragma once
// One card of the built-in catalogue. The layout is fixed: padded text fields keep
// their trailing spaces, and every byte after a field's NUL is 0.
#include <cstdint>

constexpr int CardCount = 1674;

struct CardRecord {
    char name[38];    // 37 characters, space padded
    char errata[402]; // empty for most cards
    int32_t set;
    int32_t type;
    int32_t alignment;
    char cardId[6];  // two-letter set code and three digits, e.g. "QX007"
    char artist[26]; // 25 characters, space padded
    int32_t rarity;
    char rarityCode[10]; // 7 characters, space padded
    char text[1026];
};

// Sorted by name; a card's index in this array is its only identity, and deck files
// depend on this order.
extern const CardRecord CardCatalogue[CardCount];
