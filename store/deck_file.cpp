#include "store/deck_file.h"

#include <cstdint>

// Byte by byte rather than a copy of memory, so the file reads and writes the same
// on any host, whatever its byte order or word size.

std::string encodeDeckFile(const DeckSet& decks) {
    std::string bytes(DeckFileSize, '\0');
    std::size_t at = 0;
    for (const StoreDeck& deck : decks.decks) {
        for (const int32_t count : deck.counts) {
            const uint32_t value = static_cast<uint32_t>(count);
            bytes[at++] = static_cast<char>(value & 0xFF);
            bytes[at++] = static_cast<char>((value >> 8) & 0xFF);
            bytes[at++] = static_cast<char>((value >> 16) & 0xFF);
            bytes[at++] = static_cast<char>((value >> 24) & 0xFF);
        }
    }
    return bytes;
}

bool decodeDeckFile(std::string_view bytes, DeckSet& decks) {
    if (bytes.size() != DeckFileSize) return false;
    std::size_t at = 0;
    for (StoreDeck& deck : decks.decks) {
        for (int32_t& count : deck.counts) {
            uint32_t value = 0;
            for (int shift = 0; shift < 32; shift += 8)
                value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at++])) << shift;
            // Two's complement by definition since C++20: the conversion keeps the bits.
            count = static_cast<int32_t>(value);
        }
    }
    return true;
}
