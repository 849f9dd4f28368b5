// The real main dialog, made from the real resources and driven with the messages a
// user's clicks produce, shows exactly what the in-memory dialog shows after the same
// clicks; and both show the right thing.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "catalogue/card_record.h"
#include "ui/control_ids.h"
#include "shell/main_dialog.h"
#include "tests/support/memory_dialog.h"
#include "tests/win32/win32_test_support.h"

namespace {

constexpr int RareIndex = 3;
const std::string ShortBlank(19, ' ');

struct Scenario {
    const char* name;
    std::function<void(UserActions&)> steps;
    std::function<void(const DialogSnapshot&)> check;
};

int firstRareCard() {
    for (int card = 0; card < CardCount; ++card)
        if (CardCatalogue[card].rarity == RareIndex) return card;
    return -1;
}

void expectPanelBlank(const DialogSnapshot& shot) {
    for (int id : {IDC_PANEL_SET, IDC_PANEL_TYPE, IDC_PANEL_RARITY, IDC_PANEL_ARTIST, IDC_PANEL_ID,
                   IDC_PANEL_ALIGNMENT})
        EXPECT_EQ(shot.texts.at(id), ShortBlank) << "label " << id;
    EXPECT_EQ(shot.texts.at(IDC_PANEL_TEXT), std::string(380, ' '));
    EXPECT_EQ(shot.texts.at(IDC_PANEL_ERRATA), std::string(91, ' '));
}

void expectWholeCatalogueListed(const DialogSnapshot& shot) {
    ASSERT_EQ(shot.entries.size(), static_cast<size_t>(CardCount));
    EXPECT_EQ(shot.entries.front(), CardCatalogue[0].name);
    EXPECT_EQ(shot.entries.back(), CardCatalogue[CardCount - 1].name);
    EXPECT_EQ(shot.texts.at(IDC_MATCH_COUNT), std::to_string(CardCount));
}

const Scenario Scenarios[] = {
    {"StartUp", [](UserActions&) {},
     [](const DialogSnapshot& shot) {
         expectWholeCatalogueListed(shot);
         EXPECT_EQ(shot.selection, 0);
         for (int id = IDC_SET_FIRST; id <= IDC_SET_FROSTGATE; ++id)
             EXPECT_TRUE(shot.checked.at(id));
         for (int id : {IDC_SET_ALL, IDC_TYPE_ALL, IDC_RARITY_ALL, IDC_CURRENT_DECK_FIRST})
             EXPECT_TRUE(shot.checked.at(id)) << id;
         for (int id = IDC_SEARCH_FIRST; id <= IDC_SEARCH_ALL; ++id)
             EXPECT_FALSE(shot.checked.at(id));
         EXPECT_EQ(shot.texts.at(IDC_PANEL_ID), CardCatalogue[0].cardId);
         EXPECT_EQ(shot.texts.at(IDC_PANEL_TOTAL), "Store Deck 1 total 0 Cards");
         EXPECT_EQ(shot.texts.at(IDC_PANEL_COMPLETE), "Deck  1 is 0 % Complete.");
     }},
    {"UntickEverySetBox",
     [](UserActions& user) {
         for (int id = IDC_SET_FIRST; id <= IDC_SET_FROSTGATE; ++id)
             user.click(id);
     },
     [](const DialogSnapshot& shot) {
         EXPECT_TRUE(shot.entries.empty());
         EXPECT_EQ(shot.selection, -1);
         EXPECT_EQ(shot.texts.at(IDC_MATCH_COUNT), "0");
         EXPECT_FALSE(shot.checked.at(IDC_SET_ALL));
         expectPanelBlank(shot);
     }},
    {"TypeAllAfterOneBoxUntickedAndReticked",
     [](UserActions& user) {
         user.click(IDC_TYPE_RESOURCE_FACTION);
         user.click(IDC_TYPE_RESOURCE_FACTION);
     },
     [](const DialogSnapshot& shot) {
         EXPECT_TRUE(shot.checked.at(IDC_TYPE_ALL));
         expectWholeCatalogueListed(shot);
     }},
    {"OneTypeBoxUnticked", [](UserActions& user) { user.click(IDC_TYPE_SITE); },
     [](const DialogSnapshot& shot) {
         EXPECT_FALSE(shot.checked.at(IDC_TYPE_ALL));
         EXPECT_FALSE(shot.checked.at(IDC_TYPE_SITE));
         EXPECT_LT(shot.entries.size(), static_cast<size_t>(CardCount));
     }},
    {"DeckSearchOverEmptyDeck", [](UserActions& user) { user.click(IDC_SEARCH_DECK_TWO); },
     [](const DialogSnapshot& shot) {
         EXPECT_TRUE(shot.entries.empty());
         EXPECT_EQ(shot.texts.at(IDC_MATCH_COUNT), std::to_string(CardCount));
         expectPanelBlank(shot);
         for (int id : {IDC_PANEL_HAS, IDC_PANEL_TOTAL, IDC_PANEL_COMPLETE})
             EXPECT_EQ(shot.texts.at(id), ShortBlank);
     }},
    {"DeckSearchMakesPlusDoNothing",
     [](UserActions& user) {
         user.click(IDC_SEARCH_DECK_ONE);
         user.click(IDC_PLUS);
         user.click(IDC_SEARCH_DECK_ONE);
     },
     [](const DialogSnapshot& shot) {
         EXPECT_EQ(shot.texts.at(IDC_PANEL_TOTAL), "Store Deck 1 total 0 Cards");
     }},
    {"RarityAllOff", [](UserActions& user) { user.click(IDC_RARITY_ALL); },
     [](const DialogSnapshot& shot) {
         for (int id = IDC_RARITY_FIRST; id <= IDC_RARITY_PROMOTION; ++id)
             EXPECT_FALSE(shot.checked.at(id)) << id;
         EXPECT_TRUE(shot.entries.empty());
         EXPECT_EQ(shot.texts.at(IDC_MATCH_COUNT), "0");
     }},
    {"RarityAllOffAndOn",
     [](UserActions& user) {
         user.click(IDC_RARITY_ALL);
         user.click(IDC_RARITY_ALL);
     },
     [](const DialogSnapshot& shot) {
         for (int id = IDC_RARITY_FIRST; id <= IDC_RARITY_PROMOTION; ++id)
             EXPECT_TRUE(shot.checked.at(id)) << id;
         EXPECT_TRUE(shot.checked.at(IDC_RARITY_ALL));
         expectWholeCatalogueListed(shot);
     }},
    {"OnlyRareTickedThenPlus",
     [](UserActions& user) {
         user.click(IDC_RARITY_ALL);
         user.click(IDC_RARITY_RARE);
         user.click(IDC_PLUS);
     },
     [](const DialogSnapshot& shot) {
         const int rare = firstRareCard();
         ASSERT_GE(rare, 0);
         ASSERT_FALSE(shot.entries.empty());
         EXPECT_EQ(shot.entries.front(), CardCatalogue[rare].name);
         EXPECT_EQ(shot.texts.at(IDC_PANEL_ID), CardCatalogue[rare].cardId);
         EXPECT_EQ(shot.texts.at(IDC_PANEL_HAS),
                   std::string("Deck  1 has 1 ") + CardCatalogue[rare].name);
         EXPECT_EQ(shot.texts.at(IDC_PANEL_TOTAL), "Store Deck 1 total 1 Cards");
     }},
    {"FourthCurrentDeckThenPlus",
     [](UserActions& user) {
         user.click(IDC_CURRENT_DECK_FIRST + 3);
         user.click(IDC_PLUS);
     },
     [](const DialogSnapshot& shot) {
         for (int box = 0; box < 5; ++box)
             EXPECT_EQ(shot.checked.at(IDC_CURRENT_DECK_FIRST + box), box == 3) << box;
         EXPECT_EQ(shot.texts.at(IDC_PANEL_TOTAL), "Store Deck 4 total 1 Cards");
         EXPECT_EQ(shot.texts.at(IDC_PANEL_HAS),
                   std::string("Deck  4 has 1 ") + CardCatalogue[0].name);
     }},
    {"StatisticsLines",
     [](UserActions& user) {
         user.select(3);
         user.click(IDC_PLUS);
         user.click(IDC_PLUS);
         user.click(IDC_PLUS);
         user.click(IDC_MINUS);
         user.select(7);
         user.click(IDC_PLUS);
         user.click(IDC_CURRENT_DECK_FIRST + 2);
         user.click(IDC_CURRENT_DECK_FIRST);
         user.select(3);
     },
     [](const DialogSnapshot& shot) {
         EXPECT_EQ(shot.selection, 3);
         EXPECT_EQ(shot.texts.at(IDC_PANEL_HAS),
                   std::string("Deck  1 has 2 ") + CardCatalogue[3].name);
         EXPECT_EQ(shot.texts.at(IDC_PANEL_TOTAL), "Store Deck 1 total 3 Cards");
         EXPECT_EQ(shot.texts.at(IDC_PANEL_COMPLETE), "Deck  1 is 0 % Complete.");
     }},
    // The control's own write of the selected name into its field is no typing: the
    // second of two same names stays selected.
    {"SecondOfTwoSameNames", [](UserActions& user) { user.select(1); },
     [](const DialogSnapshot& shot) {
         ASSERT_EQ(shot.entries[0], shot.entries[1]);
         EXPECT_EQ(shot.selection, 1);
         EXPECT_EQ(shot.field, shot.entries[1]);
     }},
    {"ClearDeckNoAndYes",
     [](UserActions& user) {
         user.select(5);
         user.click(IDC_PLUS);
         user.command(IDM_DECK_CLEAR_NO);
         user.click(IDC_CURRENT_DECK_FIRST + 1);
         user.click(IDC_PLUS);
         user.command(IDM_DECK_CLEAR_YES);
         user.click(IDC_CURRENT_DECK_FIRST);
     },
     [](const DialogSnapshot& shot) {
         EXPECT_EQ(shot.selection, 5);
         EXPECT_EQ(shot.texts.at(IDC_PANEL_TOTAL), "Store Deck 1 total 1 Cards");
     }},
};

class DialogAgreement : public testing::TestWithParam<Scenario> {};

TEST_P(DialogAgreement, RealDialogShowsWhatTheMemoryDialogShows) {
    const Scenario& scenario = GetParam();
    DialogSnapshot real;
    {
        RealMainDialog dialog;
        RealUser user(dialog.handle());
        scenario.steps(user);
        real = snapshotOf(dialog.handle());
    }
    resetProgramState();
    MemoryDialog memory;
    onInitDialog(memory);
    MemoryUser memoryUser(memory);
    scenario.steps(memoryUser);
    const DialogSnapshot inMemory = snapshotOf(memory);

    EXPECT_TRUE(real == inMemory) << differences(real, inMemory);
    scenario.check(real);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, DialogAgreement, testing::ValuesIn(Scenarios),
                         [](const testing::TestParamInfo<Scenario>& info) {
                             return std::string(info.param.name);
                         });

// A check box sends focus notifications as well as clicks; the "All" boxes send
// them to the dialog (BS_NOTIFY), and they must not reset their group.
TEST(DialogNotifications, FocusMovingOntoAnAllBoxLeavesItsGroupAlone) {
    RealMainDialog dialog;
    RealUser user(dialog.handle());
    user.click(IDC_TYPE_SITE);
    const DialogSnapshot before = snapshotOf(dialog.handle());
    SetFocus(dialog.control(IDC_TYPE_ALL));
    SetFocus(dialog.control(IDC_RARITY_ALL));
    SetFocus(dialog.control(IDC_SEARCH_ALL));
    SetFocus(dialog.control(IDC_CARD_LIST));
    EXPECT_TRUE(snapshotOf(dialog.handle()) == before);
    EXPECT_FALSE(IsDlgButtonChecked(dialog.handle(), IDC_TYPE_ALL));
}

// A static label paints whenever a WM_SETTEXT reaches it. A filter click blanks and
// rewrites the panel, but each label must receive one text only: its last.
std::map<HWND, std::vector<std::wstring>> textsReceived;
WNDPROC labelProc = nullptr;

LRESULT CALLBACK recordingLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT)
        textsReceived[label].push_back(reinterpret_cast<const wchar_t*>(lParam));
    return CallWindowProcW(labelProc, label, message, wParam, lParam);
}

TEST(DialogPainting, AFilterClickPaintsEachLabelOnceWithItsLastText) {
    RealMainDialog dialog;
    const int labels[] = {IDC_MATCH_COUNT,     IDC_PANEL_SET, IDC_PANEL_TYPE,  IDC_PANEL_RARITY,
                          IDC_PANEL_ARTIST,    IDC_PANEL_ID,  IDC_PANEL_TEXT,  IDC_PANEL_ERRATA,
                          IDC_PANEL_ALIGNMENT, IDC_PANEL_HAS, IDC_PANEL_TOTAL, IDC_PANEL_COMPLETE};
    for (int id : labels)
        labelProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            dialog.control(id), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordingLabelProc)));
    RealUser(dialog.handle()).click(IDC_SET_FIRST);
    for (int id : labels) {
        const std::vector<std::wstring>& texts = textsReceived[dialog.control(id)];
        ASSERT_EQ(texts.size(), 1u) << "label " << id;
        wchar_t shown[2048];
        GetDlgItemTextW(dialog.handle(), id, shown, 2048);
        EXPECT_EQ(texts[0], shown) << "label " << id;
    }
}

} // namespace
