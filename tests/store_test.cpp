// The Store Decks: count editing at its edges, statistics, deck search membership,
// and the unsaved-changes baseline.
#include <cstdint>

#include <gtest/gtest.h>

#include "store/deck_set.h"
#include "store/unsaved_changes.h"

namespace {

class StoreTest : public ::testing::Test {
  protected:
    void SetUp() override { resetStore(); }
    int32_t& count(int deck, int card) { return deckSet.decks[deck].counts[card]; }
    void fillDeck(int deck, int cards, int32_t value) {
        for (int card = 0; card < cards; ++card)
            count(deck, card) = value;
    }
};

TEST_F(StoreTest, StartsEmptyWithDeckZeroAndCardZero) {
    count(3, 9) = 7;
    currentDeck = 4;
    selectedCard = 100;
    resetStore();
    EXPECT_EQ(count(3, 9), 0);
    EXPECT_EQ(currentDeck, 0);
    EXPECT_EQ(selectedCard, 0);
    for (int deck = 0; deck < DeckCount; ++deck)
        EXPECT_EQ(deckTotal(deckSet.decks[deck]), 0);
}

TEST_F(StoreTest, IncrementStopsAt255AndDecrementAtZero) {
    for (int press = 0; press < 300; ++press)
        incrementCount(1, 42);
    EXPECT_EQ(count(1, 42), 255);
    for (int press = 0; press < 300; ++press)
        decrementCount(1, 42);
    EXPECT_EQ(count(1, 42), 0);
    // Only the edited card of the edited deck moved.
    EXPECT_EQ(deckTotal(deckSet.decks[0]) + deckTotal(deckSet.decks[2]) +
                  deckTotal(deckSet.decks[3]) + deckTotal(deckSet.decks[4]),
              0);
    EXPECT_EQ(count(1, 41) + count(1, 43), 0);
}

TEST_F(StoreTest, CountsReadFromFilesFollowTheUnsignedCap) {
    count(0, 0) = 1000;
    incrementCount(0, 0);
    EXPECT_EQ(count(0, 0), 1000) << "above the cap: neither raised nor capped";
    decrementCount(0, 0);
    EXPECT_EQ(count(0, 0), 999);

    count(0, 1) = -1;
    incrementCount(0, 1);
    EXPECT_EQ(count(0, 1), -1) << "negative counts are huge when compared unsigned";
    decrementCount(0, 1);
    EXPECT_EQ(count(0, 1), -2);

    count(0, 2) = INT32_MAX;
    incrementCount(0, 2);
    EXPECT_EQ(count(0, 2), INT32_MAX);
    decrementCount(0, 2);
    EXPECT_EQ(count(0, 2), INT32_MAX - 1);

    count(0, 3) = INT32_MIN;
    incrementCount(0, 3);
    EXPECT_EQ(count(0, 3), INT32_MIN);
    decrementCount(0, 3);
    EXPECT_EQ(count(0, 3), INT32_MIN) << "no lower value exists; it must not wrap";

    count(0, 4) = 254;
    incrementCount(0, 4);
    EXPECT_EQ(count(0, 4), 255);
}

TEST_F(StoreTest, ClearingOneDeckLeavesTheOthers) {
    for (int deck = 0; deck < DeckCount; ++deck)
        fillDeck(deck, CardCount, deck + 1);
    clearDeck(2);
    EXPECT_EQ(deckTotal(deckSet.decks[2]), 0);
    EXPECT_EQ(ownedDistinct(deckSet.decks[2]), 0);
    for (int deck : {0, 1, 3, 4})
        EXPECT_EQ(deckTotal(deckSet.decks[deck]), int64_t{CardCount} * (deck + 1));
}

TEST_F(StoreTest, TotalsAreSummedWithoutOverflow) {
    fillDeck(0, CardCount, INT32_MAX);
    EXPECT_EQ(deckTotal(deckSet.decks[0]), int64_t{INT32_MAX} * CardCount);
    fillDeck(1, CardCount, INT32_MIN);
    EXPECT_EQ(deckTotal(deckSet.decks[1]), int64_t{INT32_MIN} * CardCount);
    fillDeck(2, CardCount, -1);
    EXPECT_EQ(deckTotal(deckSet.decks[2]), -CardCount);
    count(3, 0) = 4;
    count(3, 1673) = 255;
    EXPECT_EQ(deckTotal(deckSet.decks[3]), 259);
}

TEST_F(StoreTest, OwnedDistinctCountsEveryNonZeroCount) {
    count(4, 0) = 1;
    count(4, 1) = -3;
    count(4, 2) = 1000;
    count(4, 3) = 0;
    EXPECT_EQ(ownedDistinct(deckSet.decks[4]), 3);
}

TEST_F(StoreTest, CompletionIsTheExactIntegerQuotient) {
    for (int owned = 0; owned <= CardCount; ++owned) {
        clearDeck(0);
        fillDeck(0, owned, 1);
        ASSERT_EQ(completionPercent(deckSet.decks[0]), 100 * owned / CardCount)
            << owned << " cards owned";
    }
}

TEST_F(StoreTest, CompletionAtItsLandmarks) {
    const struct { int owned, percent; } landmarks[] = {{0, 0}, {837, 50}, {1673, 99}, {1674, 100}};
    for (auto [owned, percent] : landmarks) {
        clearDeck(0);
        fillDeck(0, owned, 1);
        EXPECT_EQ(completionPercent(deckSet.decks[0]), percent) << owned;
    }
    fillDeck(0, CardCount, 1);
    EXPECT_EQ(deckTotal(deckSet.decks[0]), 1674);
    EXPECT_EQ(ownedDistinct(deckSet.decks[0]), 1674);
}

TEST_F(StoreTest, HeldInAnyLooksOnlyAtTheDecksInTheMask) {
    count(1, 10) = 2;
    count(4, 11) = -1;
    EXPECT_TRUE(heldInAny(10, 1u << 1));
    EXPECT_FALSE(heldInAny(10, (1u << 0) | (1u << 2) | (1u << 3) | (1u << 4)));
    EXPECT_TRUE(heldInAny(10, 31));
    EXPECT_TRUE(heldInAny(11, 1u << 4));
    EXPECT_FALSE(heldInAny(12, 31));
    EXPECT_FALSE(heldInAny(10, 0));
}

TEST_F(StoreTest, ChangesAreMeasuredAgainstTheLastSavedDecks) {
    markDecksSaved();
    EXPECT_FALSE(decksChangedSinceSave());
    incrementCount(2, 5);
    EXPECT_TRUE(decksChangedSinceSave());
    decrementCount(2, 5);
    EXPECT_FALSE(decksChangedSinceSave()) << "back to the saved counts";
    incrementCount(0, 0);
    setCurrentDeck(3);
    markDecksSaved();
    EXPECT_FALSE(decksChangedSinceSave());
    clearDeck(0);
    EXPECT_TRUE(decksChangedSinceSave());
}

} // namespace
