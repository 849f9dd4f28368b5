// Undo and redo from real key presses with the tip that says what they did; the
// caption naming the deck file; the save chooser's title before a Load; and the
// question before a Save replaces a collection this run never loaded with fewer copies.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "catalogue/windows1252.h"
#include "ui/control_ids.h"
#include "ui/dialog_layout.h"
#include "shell/win32/file_chooser.h"
#include "shell/win32/main_dialog_proc.h"
#include "shell/win32/message_boxes.h"
#include "files/win32/utf8.h"
#include "store/deck_file.h"
#include "tests/support/temp_folder.h"
#include "tests/win32/win32_test_support.h"

namespace {

using testfiles::readBytes;
using testfiles::writeBytes;

std::wstring shownTip(HWND dialog) {
    for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr));) {
        if (GetWindow(tip, GW_OWNER) != dialog || !IsWindowVisible(tip)) continue;
        wchar_t text[256] = L"";
        GetWindowTextW(tip, text, 256);
        return text;
    }
    return {};
}

std::wstring caption(HWND dialog) {
    wchar_t text[256] = L"";
    GetWindowTextW(dialog, text, 256);
    return text;
}

void pressWithCtrl(WORD key) {
    keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}

TEST(UndoKeys, CtrlZUndoesAPlusAndCtrlYRedoesItSayingSoInATip) {
    RealMainDialog dialog(Visibility::Shown);
    RealUser user(dialog.handle());
    user.select(0);
    user.click(IDC_PLUS);
    const std::u16string name = windows1252ToUtf16(CardCatalogue[0].name);
    const std::wstring card(name.begin(), name.begin() + name.find_last_not_of(u' ') + 1);
    const auto total = [&] { return controlText(dialog.handle(), IDC_PANEL_TOTAL); };
    ASSERT_EQ(total(), "Store Deck 1 total 1 Cards");

    // In the name field, whose own text undo the key must not reach.
    SetForegroundWindow(dialog.handle());
    SetFocus(dialog.control(IDC_CARD_LIST));
    const std::string field = controlText(dialog.handle(), IDC_CARD_LIST);
    pressWithCtrl('Z');
    EXPECT_TRUE(waitUntil([&] {
        return total() == "Store Deck 1 total 0 Cards" &&
               shownTip(dialog.handle()) == L"Undone: + on " + card + L" in deck 1";
    })) << total();
    EXPECT_EQ(controlText(dialog.handle(), IDC_CARD_LIST), field);
    pressWithCtrl('Y');
    EXPECT_TRUE(waitUntil([&] {
        return total() == "Store Deck 1 total 1 Cards" &&
               shownTip(dialog.handle()) == L"Redone: + on " + card + L" in deck 1";
    })) << total();
    EXPECT_TRUE(waitUntil([&] { return shownTip(dialog.handle()).empty(); }, 5000))
        << "the tip stays";
}

std::vector<std::wstring> chooserAnswers, chooserTitles;
std::vector<std::wstring> boxTexts;
std::vector<UINT> boxTypes;
int unsavedAnswer = IDNO, replaceAnswer = IDNO;

bool answeringChooser(ChooserMode, FileKind, OPENFILENAMEW& description) {
    chooserTitles.push_back(description.lpstrTitle ? description.lpstrTitle : L"");
    if (chooserAnswers.empty()) return false;
    wcscpy(description.lpstrFile, chooserAnswers.front().c_str());
    chooserAnswers.erase(chooserAnswers.begin());
    return true;
}

int answeringBox(HWND, const wchar_t* text, const wchar_t*, UINT type) {
    boxTexts.push_back(text);
    boxTypes.push_back(type);
    return (type & MB_TYPEMASK) == MB_YESNOCANCEL ? unsavedAnswer : replaceAnswer;
}

class DeckFileOnWindows : public testing::Test {
  protected:
    DeckFileOnWindows() {
        chooserAnswers.clear(), chooserTitles.clear(), boxTexts.clear(), boxTypes.clear();
        setChooserHook(answeringChooser);
        setMessageBoxHook(answeringBox);
    }
    ~DeckFileOnWindows() override { resetWindowsProgramState(); }
    std::wstring file(const wchar_t* name) const { return (folder_.path() / name).wstring(); }
    std::wstring shown() const { return caption(dialog_.handle()); }

    testfiles::TempFolder folder_{"cardhold-caption-"};
    RealMainDialog dialog_;
    RealUser user_{dialog_.handle()};
};

TEST_F(DeckFileOnWindows, TheCaptionNamesTheFileLastSavedOrLoadedAndMarksChanges) {
    EXPECT_EQ(narrow(shown().c_str()), MainDialogCaption);
    const std::wstring title = L" - Cardhold - TAVEN Collection Manager V1.5";
    chooserAnswers = {file(L"decks.tvn")};
    user_.command(IDM_FILE_SAVE);
    EXPECT_EQ(shown(), L"decks.tvn" + title);
    user_.click(IDC_PLUS);
    EXPECT_EQ(shown(), L"*decks.tvn" + title);
    user_.click(IDC_MINUS);
    EXPECT_EQ(shown(), L"decks.tvn" + title);

    const std::wstring longName = L"\u03a9 collection of the whole family, 2024.tvn";
    chooserAnswers = {file(longName.c_str())};
    user_.command(IDM_FILE_SAVE);
    EXPECT_EQ(shown(), longName.substr(0, 31) + L"\u2026" + title);
}

// Start empty, "+", Load, Yes to saving first, and the collection picked in the save
// chooser by mistake: it would go from 2,008 copies to 1, so the save asks, No the
// default; No keeps the file and ends the Load. Over the file this run loaded, no
// question.
TEST_F(DeckFileOnWindows, ASaveThatWouldShrinkAnUnloadedCollectionAsksFirst) {
    DeckSet collection{};
    for (int card = 0; card < 1004; ++card)
        collection.decks[card % 2].counts[card] = 2;
    const std::string bytes = encodeDeckFile(collection);
    writeBytes(file(L"decks.tvn"), bytes);
    user_.click(IDC_PLUS);
    unsavedAnswer = IDYES;
    chooserAnswers = {file(L"decks.tvn"), file(L"decks.tvn")};
    user_.command(IDM_FILE_LOAD);
    EXPECT_EQ(chooserTitles, std::vector<std::wstring>{L"Save the current decks before loading"});
    ASSERT_EQ(boxTexts.size(), 2u);
    EXPECT_EQ(boxTexts[1], L"decks.tvn was not loaded in this session. It holds 2,008 copies of "
                           L"1,004 cards; after saving it would hold 1 copy. Replace it?");
    EXPECT_EQ(boxTypes[1] & (MB_TYPEMASK | MB_DEFMASK), UINT(MB_YESNO | MB_DEFBUTTON2));
    EXPECT_EQ(readBytes(file(L"decks.tvn")), bytes);
    EXPECT_EQ(deckSet.decks[0].counts[0], 1) << "the Load went on";

    unsavedAnswer = IDNO;
    user_.command(IDM_FILE_LOAD);
    user_.click(IDC_MINUS);
    chooserAnswers = {file(L"decks.tvn")};
    user_.command(IDM_FILE_SAVE);
    EXPECT_EQ(boxTexts.size(), 3u) << "a question over the file loaded";
    collection.decks[0].counts[0] = 1;
    EXPECT_EQ(readBytes(file(L"decks.tvn")), encodeDeckFile(collection));
}

} // namespace
