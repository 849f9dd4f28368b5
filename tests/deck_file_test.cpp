#include "store/deck_file.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>

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

bool sameDecks(const DeckSet& a, const DeckSet& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
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

TEST(DeckFileDecode, ReadsHandMadeBytesAsSignedLittleEndianCounts) {
    std::string bytes(DeckFileSize, '\0');
    bytes[1] = 1;                                  // deck 0, card 0: 256
    bytes[6696 + 4 * 2] = static_cast<char>(0xFE); // deck 1, card 2: -2
    for (int i = 1; i < 4; ++i)
        bytes[6696 + 4 * 2 + i] = static_cast<char>(0xFF);
    bytes[33479] = 0x7F; // deck 4, last card: high byte only
    DeckSet decks = patterned(1);
    ASSERT_TRUE(decodeDeckFile(bytes, decks));
    EXPECT_EQ(decks.decks[0].counts[0], 256);
    EXPECT_EQ(decks.decks[1].counts[2], -2);
    EXPECT_EQ(decks.decks[4].counts[CardCount - 1], 0x7F000000);
    EXPECT_EQ(decks.decks[3].counts[100], 0) << "every count is replaced, not only non-zero ones";
}

TEST(DeckFileDecode, AllBytes255GiveMinusOneEverywhere) {
    DeckSet decks{};
    ASSERT_TRUE(decodeDeckFile(std::string(DeckFileSize, '\xFF'), decks));
    for (const StoreDeck& deck : decks.decks)
        for (int32_t count : deck.counts)
            ASSERT_EQ(count, -1);
}

TEST(DeckFileDecode, RefusesEveryOtherSizeAndLeavesTheDecksAlone) {
    for (std::size_t size : {0u, 1u, 10u, 6696u, 33476u, 33479u, 33481u, 33484u, 66960u}) {
        DeckSet decks = patterned(7);
        EXPECT_FALSE(decodeDeckFile(std::string(size, '\x11'), decks)) << size << " bytes";
        EXPECT_TRUE(sameDecks(decks, patterned(7))) << size << " bytes";
    }
}

TEST(DeckFileRoundTrip, RestoresAllFiveDecksIncludingCountsOutside0To255) {
    DeckSet original = patterned(42);
    original.decks[0].counts[0] = -1;
    original.decks[1].counts[1] = 256;
    original.decks[2].counts[2] = 1000;
    original.decks[3].counts[3] = INT32_MIN;
    original.decks[4].counts[4] = INT32_MAX;
    DeckSet restored{};
    ASSERT_TRUE(decodeDeckFile(encodeDeckFile(original), restored));
    EXPECT_TRUE(sameDecks(restored, original));
    EXPECT_EQ(encodeDeckFile(restored), encodeDeckFile(original));
}

} // namespace
