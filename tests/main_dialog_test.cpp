// The main dialog's command dispatch: leaving, "+" and "-", wiping a deck, the list
// notification, and commands that must do nothing.
#include <string>

#include <gtest/gtest.h>

#include "browser/filters.h"
#include "catalogue/card_record.h"
#include "ui/control_ids.h"
#include "shell/main_dialog.h"
#include "store/deck_set.h"
#include "tests/support/memory_dialog.h"

namespace {

class MainDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetProgramState();
        onInitDialog(dialog);
    }
    MemoryDialog dialog;
};

TEST_F(MainDialogTest, EscAndExitLeaveAtOnceWhenNothingChanged) {
    dialog.command(IDC_CANCEL);
    EXPECT_TRUE(dialog.ended());
    EXPECT_EQ(dialog.endResult(), 0);
    EXPECT_TRUE(dialog.events().empty()) << "no question without changes";

    MemoryDialog second;
    resetProgramState();
    onInitDialog(second);
    second.command(IDM_FILE_EXIT);
    EXPECT_TRUE(second.ended());
}

TEST_F(MainDialogTest, LeavingWithChangesAsksFirst) {
    dialog.click(IDC_PLUS);
    dialog.queueAnswer(Answer::Cancel);
    dialog.command(IDC_CANCEL);
    EXPECT_FALSE(dialog.ended()) << "Cancel stays";
    ASSERT_EQ(dialog.events().size(), 1u);
    EXPECT_EQ(dialog.events()[0], "question \"Save changes to your Store Decks?\" -> cancel");
    EXPECT_EQ(deckSet.decks[0].counts[0], 1);

    dialog.queueAnswer(Answer::No);
    dialog.command(IDM_FILE_EXIT);
    EXPECT_TRUE(dialog.ended()) << "No leaves without saving";
}

TEST_F(MainDialogTest, PlusAndMinusNeedASelection) {
    dialog.listSelect(-1);
    dialog.click(IDC_PLUS);
    EXPECT_EQ(deckTotal(deckSet.decks[0]), 0) << "no card on screen, nothing to raise";
    deckSet.decks[0].counts[0] = 5;
    dialog.click(IDC_MINUS);
    EXPECT_EQ(deckSet.decks[0].counts[0], 5);
}

TEST_F(MainDialogTest, PlusAndMinusActOnTheShownCardAndRefresh) {
    dialog.select(20);
    dialog.click(IDC_PLUS);
    dialog.click(IDC_PLUS);
    dialog.click(IDC_MINUS);
    EXPECT_EQ(deckSet.decks[0].counts[20], 1);
    EXPECT_EQ(dialog.text(IDC_PANEL_HAS), std::string("Deck  1 has 1 ") + CardCatalogue[20].name);
    EXPECT_EQ(dialog.text(IDC_PANEL_TOTAL), "Store Deck 1 total 1 Cards");
    EXPECT_EQ(dialog.listSelection(), 20);
}

TEST_F(MainDialogTest, WipingKeepsThePanelOnTheHighlightedCard) {
    dialog.select(30);
    dialog.click(IDC_PLUS);
    dialog.click(IDC_CURRENT_DECK_FIRST + 1);
    dialog.click(IDC_PLUS);
    dialog.command(IDM_DECK_CLEAR_YES);
    EXPECT_EQ(deckTotal(deckSet.decks[1]), 0);
    EXPECT_EQ(deckSet.decks[0].counts[30], 1) << "only the current deck is wiped";
    EXPECT_EQ(dialog.listSelection(), 30);
    EXPECT_EQ(selectedCard, 30);
    EXPECT_EQ(dialog.text(IDC_PANEL_ID), CardCatalogue[30].cardId);
    dialog.click(IDC_PLUS);
    EXPECT_EQ(deckSet.decks[1].counts[30], 1) << "the next + still raises the highlighted card";
}

TEST_F(MainDialogTest, CommandsThatDoNothing) {
    dialog.click(IDC_PLUS);
    const std::string has = dialog.text(IDC_PANEL_HAS);
    dialog.command(IDM_DECK_CLEAR_NO);
    dialog.command(IDC_CARD_LIST, 3); // a list notification other than a selection change
    dialog.command(12345);
    EXPECT_EQ(deckSet.decks[0].counts[0], 1);
    EXPECT_EQ(dialog.text(IDC_PANEL_HAS), has);
    EXPECT_FALSE(dialog.ended());
}

TEST_F(MainDialogTest, BoxesReactToClicksNotFocusNotifications) {
    dialog.click(IDC_TYPE_SITE); // the type "All" box is now unchecked
    const int shown = dialog.listSize();
    dialog.command(IDC_TYPE_ALL, 6); // the box gaining focus
    dialog.command(IDC_TYPE_ALL, 7); // and losing it
    EXPECT_EQ(filterState.typeMask, AllTypes & ~(1u << 7));
    EXPECT_EQ(dialog.listSize(), shown);
}

TEST_F(MainDialogTest, IdsWithoutABoxAreIgnored) {
    dialog.command(IDC_SET_FIRST + 8);
    dialog.command(IDC_RARITY_LAST);
    EXPECT_EQ(filterState.setMask, AllSets);
    EXPECT_EQ(filterState.rarityMask, AllRarities);
    EXPECT_EQ(dialog.listSize(), CardCount);
}

TEST_F(MainDialogTest, SelectionNotificationShowsTheSelectedCard) {
    dialog.listSelect(44); // from code: no notification, panel unchanged
    EXPECT_EQ(selectedCard, 0);
    dialog.command(IDC_CARD_LIST, SelectionChanged);
    EXPECT_EQ(selectedCard, 44);
}

// Typed names select the first entry starting with them; a character the code page
// lacks is in no name, wherever it is typed, and selects nothing.
TEST_F(MainDialogTest, TypedNamesSelectByTheirFoldedStart) {
    const std::string blank(19, ' ');
    const struct {
        std::u16string typed;
        const char* id; // the card selected, or nullptr for none
    } cases[] = {
        {u"elec", "SR140"},           {u"\u00C9LEC the", "SR140"}, {u"aelalds x", nullptr},
        {u"\u0416", nullptr},         {u"elec\u0416", nullptr},    {u"elec\U0001F600", nullptr},
        {u"\U0001F600elec", nullptr},
    };
    for (const auto& c : cases) {
        MemoryDialog typing;
        resetProgramState();
        onInitDialog(typing);
        typing.type(c.typed);
        const int selection = typing.listSelection();
        const std::string shown = selection < 0 ? "" : CardCatalogue[selection].cardId;
        EXPECT_EQ(shown, c.id ? c.id : "") << c.typed.size();
        if (c.id) continue;
        EXPECT_EQ(typing.text(IDC_PANEL_ID), blank);
        EXPECT_EQ(typing.text(IDC_PANEL_HAS), blank) << "no card is named";
    }
}

TEST_F(MainDialogTest, AboutShowsTheAboutBox) {
    dialog.command(IDM_ABOUT);
    EXPECT_EQ(dialog.aboutShown(), 1);
}

TEST_F(MainDialogTest, StartUpRecordsTheWorkingDirectory) {
    EXPECT_FALSE(dialog.initialDirectory().empty());
}

} // namespace
