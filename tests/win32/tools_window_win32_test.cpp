// Cardhold Tools' real dialog from its real resources, run modally as the program runs
// it and driven with real mouse clicks: an import from preview to the deck file's
// counts, the page written and handed to the replaced opener, its captions.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>

#include "catalogue/card_record.h"
#include "files/win32/utf8.h"
#include "store/deck_file.h"
#include "tests/support/temp_folder.h"
#include "tests/win32/caption_fit.h"
#include "tests/win32/modal_watcher.h"
#include "tests/win32/wait_until.h"
#include "tests/win32/win32_test_support.h"
#include "tests/win32/wine64_accessibility.h"
#include "tools_window/win32/page_opener.h"
#include "tools_window/win32/tools_chooser.h"
#include "tools_window/win32/tools_dialog.h"
#include "tools_window/win32/tools_ids.h"

namespace {

std::string text(HWND dialog, int id) {
    wchar_t buffer[8192] = L"";
    GetDlgItemTextW(dialog, id, buffer, 8192);
    return narrow(buffer);
}

bool enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id));
}

// Runs the dialog on `deckFile` while `act` drives it; then closes it.
void runDialog(const std::string& deckFile, const std::function<void(HWND)>& act) {
    const ModalOutcome outcome = watchModal(
        nullptr, [&] { runToolsDialog(GetModuleHandleW(nullptr), deckFile); },
        [&](HWND dialog) {
            SetForegroundWindow(dialog);
            act(dialog);
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        },
        30000);
    EXPECT_TRUE(outcome.appeared && outcome.closedByAction);
}

TEST(ToolsWindow, ImportsACardListFromPreviewToTheDeckFile) {
    testfiles::TempFolder folder;
    DeckSet decks{};
    decks.decks[0].counts[5] = 2;
    decks.decks[1].counts[7] = 4;
    const std::string deckFile = folder.file("mine.tvn"), list = folder.file("list.txt");
    testfiles::writeBytes(deckFile, encodeDeckFile(decks));
    testfiles::writeBytes(list,
                          "3 " + std::string(CardCatalogue[7].cardId, 5) + "\r\nno such card\r\n");
    runDialog(deckFile, [&](HWND dialog) {
        EXPECT_EQ(text(dialog, IDC_TOOLS_DECK_LINE), "5 decks, 6 copies, 2 of 1,674 cards");
        SetDlgItemTextW(dialog, IDC_IMPORT_FILE, widen(list).c_str());
        clickWithMouse(GetDlgItem(dialog, IDC_TOOLS_PREVIEW_RUN));
        ASSERT_TRUE(waitUntil([&] {
            return text(dialog, IDC_TOOLS_PREVIEW).find(":2: ") != std::string::npos;
        })) << text(dialog, IDC_TOOLS_PREVIEW);
        EXPECT_FALSE(enabled(dialog, IDC_IMPORT_RUN)) << "a preview with faults";

        testfiles::writeBytes(list, "3 " + std::string(CardCatalogue[7].cardId, 5) + "\r\n");
        clickWithMouse(GetDlgItem(dialog, IDC_TOOLS_PREVIEW_RUN));
        ASSERT_TRUE(waitUntil([&] { return enabled(dialog, IDC_IMPORT_RUN); }))
            << text(dialog, IDC_TOOLS_PREVIEW);
        clickWithMouse(GetDlgItem(dialog, IDC_IMPORT_RUN));
        ASSERT_TRUE(waitUntil([&] {
            return text(dialog, IDC_TOOLS_PREVIEW).find("Load it again") != std::string::npos;
        })) << text(dialog, IDC_TOOLS_PREVIEW);
        EXPECT_EQ(text(dialog, IDC_TOOLS_DECK_LINE), "5 decks, 9 copies, 2 of 1,674 cards");
        EXPECT_FALSE(enabled(dialog, IDC_IMPORT_RUN)) << "a new import wants a new preview";
    });
    DeckSet after{};
    ASSERT_TRUE(decodeDeckFile(testfiles::readBytes(deckFile), after));
    decks.decks[0].counts[7] = 3;
    for (int deck = 0; deck < DeckCount; ++deck)
        for (int card = 0; card < CardCount; ++card)
            ASSERT_EQ(after.decks[deck].counts[card], decks.decks[deck].counts[card])
                << deck << card;
}

std::wstring opened, chosenPage;

TEST(ToolsWindow, WritesThePageBesideTheDeckFileAndOpensIt) {
    testfiles::TempFolder folder;
    const std::string deckFile = folder.file("mine.tvn");
    testfiles::writeBytes(deckFile, encodeDeckFile(DeckSet{}));
    opened.clear();
    setPageOpener([](const std::wstring& path) { opened = path; });
    setToolsChooserHook([](const ChooserRequest& request, std::wstring& path) {
        return request.save ? (path = chosenPage = request.start, true) : false;
    });
    runDialog(deckFile, [&](HWND dialog) {
        clickWithMouse(GetDlgItem(dialog, IDC_TOOLS_TASK_PAGE));
        ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(GetDlgItem(dialog, IDC_PAGE_WRITE)); }));
        SetDlgItemTextW(dialog, IDC_PAGE_TITLE, L"Cards of Ada");
        clickWithMouse(GetDlgItem(dialog, IDC_PAGE_WRITE));
        ASSERT_TRUE(waitUntil([&] { return !opened.empty(); }));
    });
    setPageOpener(nullptr);
    setToolsChooserHook(nullptr);
    EXPECT_EQ(narrow(chosenPage.c_str()), folder.file("collection.html"));
    EXPECT_EQ(opened, chosenPage);
    EXPECT_NE(
        testfiles::readBytes(folder.file("collection.html")).find("<title>Cards of Ada</title>"),
        std::string::npos);
}

// Every control tells a screen reader a name and a role of its own, and its state.
TEST(ToolsWindow, EveryControlHasANameARoleAndAState) {
    bool unreachable = false;
    runDialog("", [&](HWND dialog) {
        unreachable = accessibleObjectsUnreachableUnderWine64(GetWindow(dialog, GW_CHILD));
        if (unreachable) return;
        int read = 0;
        for (HWND control = GetWindow(dialog, GW_CHILD); control;
             control = GetWindow(control, GW_HWNDNEXT), ++read) {
            IAccessible* object = nullptr;
            ASSERT_EQ(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                                 IID_IAccessible,
                                                 reinterpret_cast<void**>(&object)),
                      S_OK);
            VARIANT self{}, role{}, state{};
            self.vt = VT_I4;
            BSTR name = nullptr;
            object->get_accName(self, &name);
            object->get_accRole(self, &role);
            object->get_accState(self, &state);
            const int id = GetDlgCtrlID(control);
            EXPECT_TRUE(name && SysStringLen(name) > 0) << "control " << id;
            EXPECT_TRUE(role.vt == VT_I4 && role.lVal != ROLE_SYSTEM_CLIENT) << "control " << id;
            ASSERT_EQ(state.vt, VT_I4) << "control " << id;
            const bool checked = state.lVal & STATE_SYSTEM_CHECKED;
            const bool unavailable = state.lVal & STATE_SYSTEM_UNAVAILABLE;
            EXPECT_EQ(checked, id == IDC_TOOLS_TASK_IMPORT || id == IDC_IMPORT_ADD ||
                                   id == IDC_EXPORT_CSV || id == IDC_LISTS_WANTS)
                << "control " << id;
            EXPECT_TRUE(id != IDC_IMPORT_RUN || unavailable) << "Import before a preview";
            EXPECT_TRUE(id != IDC_TOOLS_DECK_FILE || narrow(name) == "Deck file");
            SysFreeString(name);
            object->Release();
        }
        EXPECT_GT(read, 60);
    });
    if (unreachable) GTEST_SKIP() << Wine64SkipReason;
}

TEST(Captions, EveryFixedCaptionOfTheToolsDialogFits) {
    runDialog("", [](HWND dialog) {
        HDC dc = GetDC(dialog);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
        const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
        std::printf("tools dialog at %d DPI drawn with: %s\n", dpi, faceOf(dc).c_str());
        ReleaseDC(dialog, dc);
        if (const char* wanted = std::getenv("CARDHOLD_DPI")) {
            EXPECT_EQ(dpi, std::atoi(wanted)) << "the screen's DPI";
        }
        expectCaptionsFit(GetModuleHandleW(nullptr), dialog, IDD_TOOLS,
                          MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK));
    });
}

} // namespace
