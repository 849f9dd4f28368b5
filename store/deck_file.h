#pragma once
// The deck file: the five Store Decks as one raw block of counts, deck 0 first, each
// deck's counts in card order, every count a little-endian 32-bit two's-complement
// integer. No header, no trailer: the count of card c in deck d stands at byte
// d * 6696 + c * 4, and a deck file is exactly 33480 bytes.
#include <cstddef>
#include <string>
#include <string_view>

#include "store/deck_set.h"

constexpr std::size_t DeckFileDeckBytes = CardCount * 4;            // 6696
constexpr std::size_t DeckFileSize = DeckCount * DeckFileDeckBytes; // 33480

// The file image of `decks`: always DeckFileSize bytes.
std::string encodeDeckFile(const DeckSet& decks);

// Fills `decks` from a file image, or refuses it and leaves `decks` untouched. The
// program never writes a count outside 0..255, so a file holding one is damaged or
// is not a deck file. On refusal the reason, in words for a message, goes to `reason`:
// "wrong size (N bytes, expected 33480)" or "deck D, card ID: count V" for the first
// bad count (D is 1..5).
bool decodeDeckFile(std::string_view bytes, DeckSet& decks, std::string* reason = nullptr);

// The refusal of a file of `size` bytes, in the words decodeDeckFile uses.
std::string wrongDeckFileSize(unsigned long long size);
