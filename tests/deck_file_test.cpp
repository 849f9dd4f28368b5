#include "store/deck_file.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>

#include "tests/support/same_decks.h"
namespace {

// A DeckSet whose every count differs from its neighbours', so that a count landing
// at the wrong place or one left unwritten shows.
DeckSet patterned(int32_t seed) {
    DeckSet decks;
    uint32_t state = static_cast<uint32_t>(seed) * 2654435761u + 1;
    for (StoreDeck& deck : decks.decks)
        for (int32_t& count : deck.counts) {
            state = state * 1664525u + 1013904223u;
            count = static_cast<int32_t>(state);
        }
    return decks;
}

unsigned byteAt(const std::string& bytes, std::size_t offset) {
    return static_cast<unsigned char>(bytes.at(offset));
}

TEST(DeckFileEncode, OnlyCardFiveHoldingThreeGivesBytesTwentyToTwentyThree) {
    DeckSet decks{};
    decks.decks[0].counts[5] = 3;
    const std::string bytes = encodeDeckFile(decks);
    ASSERT_EQ(bytes.size(), 33480u);
    for (std::size_t at = 0; at < bytes.size(); ++at)
        EXPECT_EQ(byteAt(bytes, at), at == 20 ? 3u : 0u) << "byte " << at;
}

TEST(DeckFileEncode, EveryCountIsLittleEndianAtItsDeckAndCardOffset) {
    DeckSet decks{};
    decks.decks[0].counts[0] = 0x01020304;
    decks.decks[1].counts[0] = -2;
    decks.decks[2].counts[837] = 255;
    decks.decks[4].counts[CardCount - 1] = INT32_MIN;
    const std::string bytes = encodeDeckFile(decks);

    const auto expectCount = [&](std::size_t offset, unsigned b0, unsigned b1, unsigned b2,
                                 unsigned b3) {
        EXPECT_EQ(byteAt(bytes, offset), b0) << offset;
        EXPECT_EQ(byteAt(bytes, offset + 1), b1) << offset;
        EXPECT_EQ(byteAt(bytes, offset + 2), b2) << offset;
        EXPECT_EQ(byteAt(bytes, offset + 3), b3) << offset;
    };
    expectCount(0, 0x04, 0x03, 0x02, 0x01);
    expectCount(6696, 0xFE, 0xFF, 0xFF, 0xFF);
    expectCount(2 * 6696 + 837 * 4, 0xFF, 0, 0, 0);
    expectCount(33476, 0, 0, 0, 0x80);
}

TEST(DeckFileDecode, ReadsHandMadeBytesAsLittleEndianCounts) {
    std::string bytes(DeckFileSize, '\0');
    bytes[0] = 7;                                  // deck 0, card 0
    bytes[6696 + 4 * 2] = static_cast<char>(0xFF); // deck 1, card 2: 255
    bytes[33476] = 1;                              // deck 4, last card
    DeckSet decks{};
    decks.decks[3].counts[100] = 5;
    ASSERT_TRUE(decodeDeckFile(bytes, decks));
    EXPECT_EQ(decks.decks[0].counts[0], 7);
    EXPECT_EQ(decks.decks[1].counts[2], 255);
    EXPECT_EQ(decks.decks[4].counts[CardCount - 1], 1);
    EXPECT_EQ(decks.decks[3].counts[100], 0) << "every count is replaced, not only non-zero ones";
}

// The program never writes a count outside 0..255: such a file is damaged.
TEST(DeckFileDecode, RefusesTheFirstCountOutside0To255AndLeavesTheDecksAlone) {
    const auto id = [](int card) { return std::string(CardCatalogue[card].cardId); };
    struct Case {
        std::size_t offset;
        unsigned char byte;
        std::string reason;
    };
    for (const Case& bad :
         {Case{1, 1, "deck 1, card " + id(0) + ": count 256"},
          Case{6696 + 4 * 2 + 3, 0xFF,
               "deck 2, card " + id(2) + ": count " + std::to_string(0xFF000000 - 0x100000000LL)},
          Case{33479, 0x7F,
               "deck 5, card " + id(CardCount - 1) + ": count " + std::to_string(0x7F000000)}}) {
        std::string bytes(DeckFileSize, '\0');
        bytes[bad.offset] = static_cast<char>(bad.byte);
        DeckSet decks = patterned(3);
        std::string reason;
        EXPECT_FALSE(decodeDeckFile(bytes, decks, &reason));
        EXPECT_EQ(reason, bad.reason);
        EXPECT_TRUE(sameDecks(decks, patterned(3)));
    }
    std::string reason;
    DeckSet decks{};
    EXPECT_FALSE(decodeDeckFile(std::string(DeckFileSize, '\xFF'), decks, &reason));
    EXPECT_EQ(reason, "deck 1, card " + id(0) + ": count -1");
}

TEST(DeckFileDecode, RefusesEveryOtherSizeAndLeavesTheDecksAlone) {
    for (std::size_t size : {0u, 1u, 10u, 6696u, 33476u, 33479u, 33481u, 33484u, 66960u}) {
        DeckSet decks = patterned(7);
        EXPECT_FALSE(decodeDeckFile(std::string(size, '\x11'), decks)) << size << " bytes";
        EXPECT_TRUE(sameDecks(decks, patterned(7))) << size << " bytes";
    }
}

TEST(DeckFileRoundTrip, RestoresAllFiveDecks) {
    DeckSet original = patterned(42);
    for (StoreDeck& deck : original.decks)
        for (int32_t& count : deck.counts)
            count = static_cast<uint32_t>(count) % 256;
    DeckSet restored{};
    ASSERT_TRUE(decodeDeckFile(encodeDeckFile(original), restored));
    EXPECT_TRUE(sameDecks(restored, original));
}

} // namespace
