// cardhold.exe driven with real key presses through its own modal loop: Enter changes
// no count unless it presses a focused "+" or "-"; Tab into the list's field highlights
// its text, and typing selects the first card whose name starts with the typed text, or
// none; the focused current-deck box is marked. Every wait is for what the program
// shows, so a slow machine only makes it slower.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "catalogue/card_record.h"
#include "ui/control_ids.h"
#include "tools/win32/process_windows.h"
#include "tests/win32/win32_test_support.h"

namespace {

std::wstring programPath;

// With every filter open, a card's list position is its catalogue index.
int cardNamed(const char* name) {
    for (int card = 0; card < CardCount; ++card)
        if (std::strncmp(CardCatalogue[card].name, name, std::strlen(name)) == 0) return card;
    return -1;
}

// A key down or up: a virtual key, or with `c` a character as typed.
INPUT keyEvent(WORD virtualKey, bool up, wchar_t c = 0) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = c;
    input.ki.dwFlags = (c ? KEYEVENTF_UNICODE : 0) | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

// The screen's pixels where `control` is, as drawn.
std::vector<COLORREF> pixelsOf(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    HDC screen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            pixels.push_back(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

void sendInput(std::vector<INPUT> events) {
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

class RunningProgram : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(startProgram(programPath, process_)) << "cannot start the program";
        ASSERT_TRUE(waitUntil(
            [&] { return (dialog_ = mainDialogOf(process_.dwProcessId)) != nullptr; }, 20000));
        combo_ = GetDlgItem(dialog_, IDC_CARD_LIST);
        edit_ = FindWindowExW(combo_, nullptr, L"Edit", nullptr);
        ASSERT_NE(edit_, nullptr);
        SetForegroundWindow(dialog_);
        ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == dialog_; }));
    }
    void TearDown() override {
        if (!process_.hProcess) return;
        // Unsaved counts would ask a question: this test's own process is simply ended.
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 10000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    HWND focused() const {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        GetGUIThreadInfo(process_.dwThreadId, &gui);
        return gui.hwndFocus;
    }
    // Moves the focus as Tab does (an edit field gets its text highlighted).
    void focus(HWND control, HWND expected = nullptr) {
        PostMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        ASSERT_TRUE(waitUntil([&] { return focused() == (expected ? expected : control); }));
    }
    void focusField() { focus(combo_, edit_); }
    void press(WORD virtualKey) {
        sendInput({keyEvent(virtualKey, false), keyEvent(virtualKey, true)});
    }
    // Home, then Shift+End: the field's whole text highlighted, to be typed over.
    void highlightField() {
        press(VK_HOME);
        sendInput({keyEvent(VK_SHIFT, false), keyEvent(VK_END, false), keyEvent(VK_END, true),
                   keyEvent(VK_SHIFT, true)});
    }
    void type(const std::wstring& text) {
        for (wchar_t c : text)
            sendInput({keyEvent(0, false, c), keyEvent(0, true, c)});
    }

    std::wstring field() const {
        // Another process's control: GetWindowText would not ask it.
        wchar_t text[64] = L"";
        SendMessageW(combo_, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
        return text;
    }
    int selection() const { return static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0)); }
    // The program may be read between the control's own handling of a key and its
    // own, so the end state is waited for as a whole.
    bool fieldAndSelectionBecome(const std::wstring& text, int position) const {
        return waitUntil([&] { return field() == text && selection() == position; });
    }
    DWORD caret() const { return static_cast<DWORD>(SendMessageW(edit_, EM_GETSEL, 0, 0)); }
    std::string label(int id) const { return controlText(dialog_, id); }
    bool labelBecomes(int id, const std::string& text) const {
        return waitUntil([&] { return label(id) == text; });
    }

    PROCESS_INFORMATION process_{};
    HWND dialog_ = nullptr, combo_ = nullptr, edit_ = nullptr;
};

TEST_F(RunningProgram, TypingANameSelectsItsFirstCardAndANameOfNoCardShowsNone) {
    const int elec = cardNamed("\xC9lec the Ash Serpent");
    ASSERT_GE(elec, 0);
    // The caret left at the start of the field; Tab from the last tab stop wraps round
    // to the field and highlights its whole text, so typing replaces it.
    focusField();
    press(VK_HOME);
    ASSERT_TRUE(waitUntil([&] { return caret() == 0; }));
    focus(GetDlgItem(dialog_, IDC_MINUS));
    press(VK_TAB);
    ASSERT_TRUE(waitUntil([&] { return focused() == edit_; }));
    EXPECT_EQ(caret(), static_cast<DWORD>(MAKELONG(0, field().size()))) << "whole text highlighted";
    type(L"\u00e9lec"); // small e acute finds the capital one
    EXPECT_TRUE(fieldAndSelectionBecome(L"\u00e9lec", elec)) << selection();
    EXPECT_EQ(caret(), static_cast<DWORD>(MAKELONG(4, 4)));
    EXPECT_TRUE(labelBecomes(IDC_PANEL_ID, CardCatalogue[elec].cardId));

    // A name of no card: no selection, a blank card and "has" line, the deck's lines
    // kept. A character deleted, and the name matches again.
    const std::string blank(19, ' ');
    type(L"x");
    EXPECT_TRUE(fieldAndSelectionBecome(L"\u00e9lecx", -1)) << selection();
    EXPECT_TRUE(waitUntil([&] {
        return label(IDC_PANEL_ID) == blank && label(IDC_PANEL_HAS) == blank &&
               label(IDC_PANEL_TOTAL) == "Store Deck 1 total 0 Cards";
    }));
    press(VK_BACK);
    EXPECT_TRUE(fieldAndSelectionBecome(L"\u00e9lec", elec)) << selection();
    EXPECT_TRUE(labelBecomes(IDC_PANEL_ID, CardCatalogue[elec].cardId));

    // An empty field keeps what the last edit left; a character with no Windows-1252
    // byte (no best-fit "A") is in no name.
    highlightField();
    press(VK_BACK);
    EXPECT_TRUE(fieldAndSelectionBecome(L"", elec)) << selection();
    highlightField();
    type(L"\u0100");
    EXPECT_TRUE(fieldAndSelectionBecome(L"\u0100", -1)) << selection();
    EXPECT_TRUE(labelBecomes(IDC_PANEL_ID, blank));
}

TEST_F(RunningProgram, EnterChangesNoCountUnlessItPressesAFocusedButton) {
    const int elec = cardNamed("\xC9lec the Ash Serpent");
    focusField();
    type(L"ELEC");
    ASSERT_TRUE(fieldAndSelectionBecome(L"ELEC", elec));
    focus(GetDlgItem(dialog_, IDC_PLUS));
    press(VK_RETURN);
    ASSERT_TRUE(labelBecomes(IDC_PANEL_TOTAL, "Store Deck 1 total 1 Cards")) << "+ pressed";

    // A mouse click on "+" leaves it no default look: Enter in the field afterwards,
    // then typing again. Input is handled in order, so once the field shows the new
    // text the Enter has been handled too; the total is read with it, as the typing
    // rewrites the panel (blank, then the lines).
    clickWithMouse(GetDlgItem(dialog_, IDC_PLUS));
    ASSERT_TRUE(labelBecomes(IDC_PANEL_TOTAL, "Store Deck 1 total 2 Cards")) << "+ clicked";
    clickWithMouse(edit_);
    ASSERT_TRUE(waitUntil([&] { return focused() == edit_; }));
    press(VK_RETURN);
    highlightField();
    type(L"EL");
    EXPECT_TRUE(waitUntil([&] {
        return field() == L"EL" && label(IDC_PANEL_TOTAL) == "Store Deck 1 total 2 Cards";
    })) << "Enter in the field: "
        << label(IDC_PANEL_TOTAL);

    // Enter on a current-deck box, then Space ticks the box.
    focus(GetDlgItem(dialog_, IDC_CURRENT_DECK_FIRST + 1));
    press(VK_RETURN);
    press(VK_SPACE);
    ASSERT_TRUE(labelBecomes(IDC_PANEL_TOTAL, "Store Deck 2 total 0 Cards"));
    focus(GetDlgItem(dialog_, IDC_CURRENT_DECK_FIRST));
    press(VK_SPACE);
    ASSERT_TRUE(waitUntil([&] { return label(IDC_PANEL_TOTAL).starts_with("Store Deck 1"); }));
    EXPECT_EQ(label(IDC_PANEL_TOTAL), "Store Deck 1 total 2 Cards") << "Enter on a box";
}

// The current-deck boxes have no text to draw a focus rectangle around: the focused
// one is marked around the box, and the mark goes with the focus.
TEST_F(RunningProgram, TheFocusedCurrentDeckBoxIsMarked) {
    HWND second = GetDlgItem(dialog_, IDC_CURRENT_DECK_FIRST + 1);
    HWND third = GetDlgItem(dialog_, IDC_CURRENT_DECK_FIRST + 2);
    HWND fourth = GetDlgItem(dialog_, IDC_CURRENT_DECK_FIRST + 3);
    focus(GetDlgItem(dialog_, IDC_SEARCH_ALL)); // the tab stop before the five boxes
    press(VK_TAB);
    press(VK_TAB);
    ASSERT_TRUE(waitUntil([&] { return focused() == second; }));
    EXPECT_TRUE(waitUntil([&] { return pixelsOf(second) != pixelsOf(third); })) << "no mark";
    press(VK_TAB);
    ASSERT_TRUE(waitUntil([&] { return focused() == third; }));
    EXPECT_TRUE(waitUntil([&] {
        return pixelsOf(second) == pixelsOf(fourth) && pixelsOf(third) != pixelsOf(fourth);
    })) << "the mark did not follow the focus";
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: keyboard_test path\\to\\cardhold.exe\n");
        return 2;
    }
    programPath = windowsPath(argv[1]);
    return RUN_ALL_TESTS();
}
