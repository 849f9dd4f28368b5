#include "store/deck_file.h"

#include <cstdint>
#include <cstring>

#include "catalogue/field_view.h"

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

std::string wrongDeckFileSize(unsigned long long size) {
    return "wrong size (" + std::to_string(size) + " bytes, expected " +
           std::to_string(DeckFileSize) + ")";
}

namespace {

int32_t countAt(std::string_view bytes, std::size_t at) {
    uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at++])) << shift;
    // Two's complement by definition since C++20: the conversion keeps the bits.
    return static_cast<int32_t>(value);
}

bool refuse(std::string* reason, std::string text) {
    if (reason) *reason = std::move(text);
    return false;
}

} // namespace

bool decodeDeckFile(std::string_view bytes, DeckSet& decks, std::string* reason) {
    if (bytes.size() != DeckFileSize) return refuse(reason, wrongDeckFileSize(bytes.size()));
    // Checked in full before any count changes.
    for (std::size_t at = 0; at < DeckFileSize; at += 4) {
        const int32_t count = countAt(bytes, at);
        if (count >= 0 && count <= MaxCount) continue;
        const std::size_t deck = at / DeckFileDeckBytes;
        const std::size_t card = at % DeckFileDeckBytes / 4;
        const CardRecord& record = CardCatalogue[card];
        return refuse(reason, "deck " + std::to_string(deck + 1) + ", card " +
                                  std::string(fieldView(record.cardId)) + ": count " +
                                  std::to_string(count));
    }
    std::size_t at = 0;
    for (StoreDeck& deck : decks.decks)
        for (int32_t& count : deck.counts) {
            count = countAt(bytes, at);
            at += 4;
        }
    return true;
}
