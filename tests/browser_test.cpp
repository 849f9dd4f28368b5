// The card browser against the in-memory dialog: filters and their boxes, the card
// list, and the card panel with its statistics lines.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "browser/card_list.h"
#include "browser/filters.h"
#include "catalogue/card_record.h"
#include "catalogue/name_tables.h"
#include "ui/control_ids.h"
#include "shell/main_dialog.h"
#include "store/deck_set.h"
#include "tests/support/memory_dialog.h"

namespace {

// The browser's state as the process starts, read before any test resets it: the
// program itself starts from it with no reset.
struct BrowserState {
    FilterState filters;
    int listCount;
    int listSelection;
};
const BrowserState AtProcessStart{filterState, listCount, recordedListSelection};

TEST(ProcessStart, BrowserStateIsWhatAResetGives) {
    resetProgramState();
    EXPECT_EQ(AtProcessStart.filters.setMask, filterState.setMask);
    EXPECT_EQ(AtProcessStart.filters.typeMask, filterState.typeMask);
    EXPECT_EQ(AtProcessStart.filters.rarityMask, filterState.rarityMask);
    EXPECT_EQ(AtProcessStart.filters.deckSearchMask, filterState.deckSearchMask);
    EXPECT_EQ(AtProcessStart.listCount, listCount);
    EXPECT_EQ(AtProcessStart.listSelection, recordedListSelection);
}

const std::string Blank19(19, ' ');

// The cards a set/type/rarity selection lets through, worked out from the records.
std::vector<int> cardsMatching(uint32_t sets, uint32_t types, uint32_t rarities) {
    std::vector<int> cards;
    for (int card = 0; card < CardCount; ++card) {
        const CardRecord& r = CardCatalogue[card];
        if ((sets >> r.set & 1) && (types >> r.type & 1) && (rarities >> r.rarity & 1))
            cards.push_back(card);
    }
    return cards;
}

class BrowserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetProgramState();
        onInitDialog(dialog);
    }

    void expectShowsCard(int card) {
        const CardRecord& r = CardCatalogue[card];
        EXPECT_EQ(dialog.text(IDC_PANEL_SET), SetNames[r.set]);
        EXPECT_EQ(dialog.text(IDC_PANEL_TYPE), TypeNames[r.type]);
        EXPECT_EQ(dialog.text(IDC_PANEL_RARITY),
                  std::string(RarityNames[r.rarity]) + " " + r.rarityCode);
        EXPECT_EQ(dialog.text(IDC_PANEL_ARTIST), r.artist);
        EXPECT_EQ(dialog.text(IDC_PANEL_ID), r.cardId);
        EXPECT_EQ(dialog.text(IDC_PANEL_TEXT), r.text);
        EXPECT_EQ(dialog.text(IDC_PANEL_ALIGNMENT), AlignmentNames[r.alignment]);
        EXPECT_EQ(dialog.text(IDC_PANEL_ERRATA), r.errata);
        EXPECT_EQ(selectedCard, card);
    }

    void expectCardLabelsBlank() {
        for (int id : {IDC_PANEL_SET, IDC_PANEL_TYPE, IDC_PANEL_RARITY, IDC_PANEL_ARTIST,
                       IDC_PANEL_ID, IDC_PANEL_ALIGNMENT})
            EXPECT_EQ(dialog.text(id), Blank19) << id;
        EXPECT_EQ(dialog.text(IDC_PANEL_TEXT), std::string(380, ' '));
        EXPECT_EQ(dialog.text(IDC_PANEL_ERRATA), std::string(91, ' '));
    }

    void expectListHolds(const std::vector<int>& cards) {
        ASSERT_EQ(dialog.listSize(), static_cast<int>(cards.size()));
        ASSERT_EQ(listCount, static_cast<int>(cards.size()));
        for (size_t k = 0; k < cards.size(); ++k) {
            ASSERT_EQ(dialog.listText(static_cast<int>(k)), CardCatalogue[cards[k]].name) << k;
            ASSERT_EQ(listPositionToCard(static_cast<int>(k)), cards[k]) << k;
        }
    }

    MemoryDialog dialog;
};

TEST_F(BrowserTest, StartUpShowsTheWholeCatalogueInOrder) {
    for (int id = IDC_SET_FIRST; id <= IDC_RARITY_ALL; ++id) {
        if (!dialog.hasControl(id)) continue;
        EXPECT_TRUE(dialog.isChecked(id)) << id;
    }
    for (int id = IDC_SEARCH_FIRST; id <= IDC_SEARCH_ALL; ++id)
        EXPECT_FALSE(dialog.isChecked(id)) << id;
    EXPECT_TRUE(dialog.isChecked(IDC_CURRENT_DECK_FIRST));
    // The set filter shows the full names the companion matches.
    for (int set = 0; set < SetCount; ++set)
        EXPECT_EQ(dialog.text(IDC_SET_FIRST + set), SetFullNames[set]);
    for (int id = IDC_CURRENT_DECK_FIRST + 1; id <= IDC_CURRENT_DECK_LAST; ++id)
        EXPECT_FALSE(dialog.isChecked(id));
    expectListHolds(cardsMatching(AllSets, AllTypes, AllRarities));
    EXPECT_EQ(std::strlen(CardCatalogue[0].name), 37u) << "names keep their trailing spaces";
    EXPECT_EQ(dialog.listSelection(), 0);
    EXPECT_EQ(dialog.text(IDC_MATCH_COUNT), "1674");
    expectShowsCard(0);
}

TEST_F(BrowserTest, StatisticsLinesAreWordForWord) {
    EXPECT_EQ(dialog.text(IDC_PANEL_TOTAL), "Store Deck 1 total 0 Cards");
    EXPECT_EQ(dialog.text(IDC_PANEL_HAS), std::string("Deck  1 has 0 ") + CardCatalogue[0].name);
    EXPECT_EQ(dialog.text(IDC_PANEL_COMPLETE), "Deck  1 is 0 % Complete.");

    dialog.select(7);
    for (int press = 0; press < 3; ++press)
        dialog.click(IDC_PLUS);
    dialog.click(IDC_CURRENT_DECK_FIRST + 1);
    dialog.click(IDC_CURRENT_DECK_FIRST);
    EXPECT_EQ(dialog.text(IDC_PANEL_HAS), std::string("Deck  1 has 3 ") + CardCatalogue[7].name);
    EXPECT_EQ(dialog.text(IDC_PANEL_TOTAL), "Store Deck 1 total 3 Cards");
    EXPECT_EQ(deckSet.decks[0].counts[7], 3);
}

TEST_F(BrowserTest, PositionKShowsCardKWithEveryBoxTicked) {
    for (int k : {1, 2, 836, 1673}) {
        dialog.select(k);
        expectShowsCard(k);
    }
}

TEST_F(BrowserTest, UntickingEverySetEmptiesTheList) {
    for (int id = IDC_SET_ASHFALL; id < IDC_SET_FROSTGATE; ++id)
        dialog.click(id);
    const int lastShown = selectedCard;
    EXPECT_EQ(CardCatalogue[lastShown].set, 6) << "only Frostgate is left";
    dialog.click(IDC_SET_FROSTGATE);
    EXPECT_EQ(filterState.setMask, 0u);
    EXPECT_EQ(dialog.listSize(), 0);
    EXPECT_EQ(dialog.listSelection(), -1);
    EXPECT_EQ(dialog.text(IDC_MATCH_COUNT), "0");
    EXPECT_FALSE(dialog.isChecked(IDC_SET_ALL));
    expectCardLabelsBlank();
    // The statistics still show, naming the card shown before the list emptied.
    EXPECT_EQ(dialog.text(IDC_PANEL_TOTAL), "Store Deck 1 total 0 Cards");
    EXPECT_EQ(dialog.text(IDC_PANEL_HAS),
              std::string("Deck  1 has 0 ") + CardCatalogue[lastShown].name);
    EXPECT_EQ(selectedCard, lastShown);
}

TEST_F(BrowserTest, MemberBoxesDriveTheirGroupsAllBox) {
    dialog.click(IDC_TYPE_SITE);
    EXPECT_FALSE(dialog.isChecked(IDC_TYPE_ALL));
    expectListHolds(cardsMatching(AllSets, AllTypes & ~(1u << 7), AllRarities));
    dialog.click(IDC_TYPE_SITE);
    EXPECT_TRUE(dialog.isChecked(IDC_TYPE_ALL));
    EXPECT_EQ(filterState.typeMask, AllTypes);
    // Other member boxes are left alone.
    for (int id = IDC_TYPE_FIRST; id <= IDC_TYPE_LAST; ++id)
        EXPECT_TRUE(dialog.isChecked(id));
}

// Every group, its members clicked one by one from none: only the last click ticks
// "All"; then the last box alone, unticked, takes its cards out of the list.
TEST_F(BrowserTest, TickingEveryMemberOneByOneTicksAllAndTheLastBoxCounts) {
    const struct {
        int first, last, all;
        uint32_t allBits;
        bool deckSearch;
    } groups[] = {{IDC_SET_FIRST, IDC_SET_LAST, IDC_SET_ALL, AllSets, false},
                  {IDC_TYPE_FIRST, IDC_TYPE_LAST, IDC_TYPE_ALL, AllTypes, false},
                  {IDC_RARITY_FIRST, IDC_RARITY_LAST, IDC_RARITY_ALL, AllRarities, false},
                  {IDC_SEARCH_FIRST, IDC_SEARCH_LAST, IDC_SEARCH_ALL, AllDecks, true}};
    for (const auto& group : groups) {
        SCOPED_TRACE(group.all);
        resetProgramState();
        deckSet.decks[4].counts[3] = 1; // the one card the fifth deck holds
        MemoryDialog boxes;
        onInitDialog(boxes);
        if (boxes.isChecked(group.all)) boxes.click(group.all);
        std::vector<int> members;
        for (int id = group.first; id <= group.last; ++id)
            if (boxes.hasControl(id)) members.push_back(id);
        for (const int id : members) {
            boxes.click(id);
            EXPECT_EQ(boxes.isChecked(group.all), id == members.back()) << id;
        }
        const int last = members.back();
        EXPECT_EQ(boxes.listSize(), group.deckSearch ? 1 : CardCount);
        EXPECT_EQ(boxes.listSelection(), 0) << "the first entry, however few";
        boxes.click(last);
        EXPECT_FALSE(boxes.isChecked(group.all));
        const uint32_t without = group.allBits & ~(1u << (last - group.first));
        const std::vector<int> left =
            group.deckSearch            ? std::vector<int>{}
            : group.all == IDC_SET_ALL  ? cardsMatching(without, AllTypes, AllRarities)
            : group.all == IDC_TYPE_ALL ? cardsMatching(AllSets, without, AllRarities)
                                        : cardsMatching(AllSets, AllTypes, without);
        ASSERT_EQ(boxes.listSize(), static_cast<int>(left.size()));
        for (std::size_t k = 0; k < left.size(); k += 97)
            EXPECT_EQ(boxes.listText(static_cast<int>(k)), CardCatalogue[left[k]].name);
    }
}

TEST_F(BrowserTest, RarityAllBoxOffAndOn) {
    dialog.click(IDC_RARITY_ALL);
    for (int id = IDC_RARITY_FIXED; id <= IDC_RARITY_PROMOTION; ++id)
        EXPECT_FALSE(dialog.isChecked(id));
    EXPECT_EQ(dialog.listSize(), 0);
    EXPECT_EQ(dialog.text(IDC_MATCH_COUNT), "0");
    dialog.click(IDC_RARITY_ALL);
    for (int id = IDC_RARITY_FIXED; id <= IDC_RARITY_PROMOTION; ++id)
        EXPECT_TRUE(dialog.isChecked(id));
    expectListHolds(cardsMatching(AllSets, AllTypes, AllRarities));
}

TEST_F(BrowserTest, OnlyRareThenPlusRaisesTheFirstRareCard) {
    for (int id : {IDC_RARITY_FIXED, IDC_RARITY_COMMON, IDC_RARITY_UNCOMMON, IDC_RARITY_PROMOTION})
        dialog.click(id);
    const std::vector<int> rares = cardsMatching(AllSets, AllTypes, 1u << 3);
    ASSERT_FALSE(rares.empty());
    expectListHolds(rares);
    EXPECT_EQ(dialog.text(IDC_MATCH_COUNT), std::to_string(rares.size()));
    expectShowsCard(rares[0]);
    dialog.click(IDC_PLUS);
    EXPECT_EQ(deckSet.decks[0].counts[rares[0]], 1);
    EXPECT_EQ(deckTotal(deckSet.decks[0]), 1);
    EXPECT_EQ(dialog.text(IDC_PANEL_HAS),
              std::string("Deck  1 has 1 ") + CardCatalogue[rares[0]].name);
    dialog.select(1);
    expectShowsCard(rares[1]);
}

TEST_F(BrowserTest, DeckSearchOverAnEmptyDeckShowsNothingButKeepsTheMatchCount) {
    dialog.click(IDC_SEARCH_DECK_TWO);
    EXPECT_EQ(filterState.deckSearchMask, 2u);
    EXPECT_EQ(dialog.listSize(), 0);
    EXPECT_EQ(dialog.text(IDC_MATCH_COUNT), "1674");
    expectCardLabelsBlank();
    for (int id : {IDC_PANEL_HAS, IDC_PANEL_TOTAL, IDC_PANEL_COMPLETE})
        EXPECT_EQ(dialog.text(id), Blank19);
    EXPECT_FALSE(dialog.isChecked(IDC_SEARCH_ALL));
}

TEST_F(BrowserTest, DeckSearchListsHeldCardsAndIsBrowseOnly) {
    deckSet.decks[0].counts[3] = 2;
    deckSet.decks[2].counts[900] = -1;
    deckSet.decks[1].counts[5] = 1;
    dialog.click(IDC_SEARCH_ALL);
    for (int id = IDC_SEARCH_FIRST; id <= IDC_SEARCH_LAST; ++id)
        EXPECT_TRUE(dialog.isChecked(id));
    expectListHolds({3, 5, 900});
    dialog.click(IDC_SEARCH_DECK_TWO);
    expectListHolds({3, 900});
    EXPECT_FALSE(dialog.isChecked(IDC_SEARCH_ALL));

    dialog.click(IDC_PLUS);
    dialog.click(IDC_MINUS);
    EXPECT_EQ(deckSet.decks[0].counts[3], 2);
    EXPECT_EQ(deckTotal(deckSet.decks[0]), 2);
    expectCardLabelsBlank();

    // Wiping a deck does not rebuild the list: its entries keep their cards.
    dialog.command(IDM_DECK_CLEAR_YES);
    expectListHolds({3, 900});
    dialog.click(IDC_SEARCH_DECK_ONE);
    expectListHolds({900});
}

TEST_F(BrowserTest, ChoosingTheCurrentDeckKeepsTheCardAndRewritesStatistics) {
    dialog.select(12);
    dialog.click(IDC_CURRENT_DECK_FIRST + 2);
    EXPECT_EQ(currentDeck, 2);
    for (int id = IDC_CURRENT_DECK_FIRST; id <= IDC_CURRENT_DECK_LAST; ++id)
        EXPECT_EQ(dialog.isChecked(id), id == IDC_CURRENT_DECK_FIRST + 2) << id;
    expectShowsCard(12);
    EXPECT_EQ(dialog.text(IDC_PANEL_TOTAL), "Store Deck 3 total 0 Cards");
    EXPECT_EQ(dialog.text(IDC_PANEL_COMPLETE), "Deck  3 is 0 % Complete.");
    EXPECT_EQ(dialog.text(IDC_PANEL_HAS), std::string("Deck  3 has 0 ") + CardCatalogue[12].name);

    dialog.click(IDC_CURRENT_DECK_FIRST + 2); // already checked: stays checked
    EXPECT_TRUE(dialog.isChecked(IDC_CURRENT_DECK_FIRST + 2));
    EXPECT_EQ(currentDeck, 2);
}

TEST_F(BrowserTest, FourthDeckThenPlusChangesOnlyThatDeck) {
    dialog.click(IDC_CURRENT_DECK_FIRST + 3);
    dialog.click(IDC_PLUS);
    EXPECT_EQ(deckSet.decks[3].counts[0], 1);
    for (int deck : {0, 1, 2, 4})
        EXPECT_EQ(deckTotal(deckSet.decks[deck]), 0);
    EXPECT_EQ(dialog.text(IDC_PANEL_TOTAL), "Store Deck 4 total 1 Cards");
    EXPECT_EQ(dialog.text(IDC_PANEL_HAS), std::string("Deck  4 has 1 ") + CardCatalogue[0].name);
}

TEST_F(BrowserTest, CompletionLineFollowsTheDeck) {
    for (int card = 0; card < 837; ++card)
        deckSet.decks[1].counts[card] = 1;
    dialog.click(IDC_CURRENT_DECK_FIRST + 1);
    EXPECT_EQ(dialog.text(IDC_PANEL_COMPLETE), "Deck  2 is 50 % Complete.");
    EXPECT_EQ(dialog.text(IDC_PANEL_TOTAL), "Store Deck 2 total 837 Cards");
}

} // namespace
