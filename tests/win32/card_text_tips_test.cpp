// A card text its label cuts shows whole in a tooltip, on hover and for the keyboard
// a second after the list takes the focus, until the next key; a text that fits has
// no tip at all. Also counts the catalogue's texts and errata the labels cut.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/card_record.h"
#include "catalogue/windows1252.h"
#include "ui/control_ids.h"
#include "shell/win32/card_text_tips.h"
#include "tests/win32/win32_test_support.h"

#include <commctrl.h>

namespace {

std::wstring whole(const char* text) {
    const std::u16string utf16 = windows1252ToUtf16(text);
    std::wstring shown(utf16.begin(), utf16.end());
    return shown.erase(shown.find_last_not_of(L' ') + 1);
}

std::vector<HWND> tipsOf(HWND dialog) {
    std::vector<HWND> tips;
    for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr));)
        if (GetWindow(tip, GW_OWNER) == dialog) tips.push_back(tip);
    return tips;
}

int toolsOf(HWND dialog) {
    int tools = 0;
    for (HWND tip : tipsOf(dialog))
        tools += static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    return tools;
}

// The text of the tip shown wholly on screen, if any.
std::wstring shownTip(HWND dialog) {
    for (HWND tip : tipsOf(dialog)) {
        RECT r;
        GetWindowRect(tip, &r);
        if (!IsWindowVisible(tip) || r.left < 0 || r.top < 0 ||
            r.right > GetSystemMetrics(SM_CXSCREEN) || r.bottom > GetSystemMetrics(SM_CYSCREEN))
            continue;
        std::wstring shown(2048, L'\0');
        shown.resize(static_cast<size_t>(GetWindowTextW(tip, shown.data(), 2048)));
        return shown;
    }
    return {};
}

void pointAt(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

TEST(CardTextTips, ACutTextShowsWholeAndOneThatFitsHasNone) {
    RealMainDialog dialog(Visibility::Shown);
    HWND text = dialog.control(IDC_PANEL_TEXT), errata = dialog.control(IDC_PANEL_ERRATA);
    int cutTexts = 0, cutErrata = 0, longest = 0, fitting = -1;
    for (int card = 0; card < CardCount; ++card) {
        const std::wstring cardText = whole(CardCatalogue[card].text);
        const bool cut = labelCutsText(text, cardText);
        cutTexts += cut;
        if (!cut && fitting < 0) fitting = card;
        cutErrata += labelCutsText(errata, whole(CardCatalogue[card].errata));
        if (cardText.size() > whole(CardCatalogue[longest].text).size()) longest = card;
    }
    HDC screen = GetDC(nullptr);
    std::printf("labels cut %d of %d card texts and %d errata at %d DPI\n", cutTexts, CardCount,
                cutErrata, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    RecordProperty("cutTexts", cutTexts);
    RecordProperty("cutErrata", cutErrata);
    ASSERT_GE(fitting, 0);

    RealUser user(dialog.handle());
    user.select(fitting);
    EXPECT_EQ(toolsOf(dialog.handle()), 0) << "a text that fits has a tip";
    user.select(longest);
    const std::wstring longestText = whole(CardCatalogue[longest].text);
    SetForegroundWindow(dialog.handle());
    pointAt(text);
    EXPECT_TRUE(waitUntil([&] { return shownTip(dialog.handle()) == longestText; })) << "hover";

    pointAt(dialog.control(IDC_PLUS));
    ASSERT_TRUE(waitUntil([&] { return shownTip(dialog.handle()).empty(); }));
    SetFocus(dialog.control(IDC_CARD_LIST));
    EXPECT_TRUE(waitUntil([&] { return shownTip(dialog.handle()) == longestText; })) << "keys";
    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_TRUE(waitUntil([&] { return shownTip(dialog.handle()).empty(); })) << "gone at a key";
}

} // namespace
