#include "tests/win32/caption_fit.h"

#include <gtest/gtest.h>

#include "tests/win32/dialog_template.h"

std::string faceOf(HDC dc) {
    char face[LF_FACESIZE] = "";
    GetTextFaceA(dc, LF_FACESIZE, face);
    return face;
}

namespace {

// The width a control leaves its caption, as the system's controls draw them.
int roomFor(HWND control, HDC dc, int clientWidth) {
    const DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    wchar_t className[32] = L"";
    GetClassNameW(control, className, 32);
    if (_wcsicmp(className, L"Button") != 0) return clientWidth;
    switch (style & BS_TYPEMASK) {
    case BS_GROUPBOX: {
        TEXTMETRICW metrics;
        GetTextMetricsW(dc, &metrics);
        return clientWidth - 2 * metrics.tmAveCharWidth;
    }
    case BS_AUTORADIOBUTTON:
    case BS_RADIOBUTTON:
        if (style & BS_PUSHLIKE) return clientWidth - 2 * GetSystemMetrics(SM_CXEDGE);
        [[fallthrough]];
    case BS_AUTOCHECKBOX:
    case BS_CHECKBOX: {
        // The box, then half a digit's width before the text.
        INT digit = 0;
        GetCharWidth32W(dc, L'0', L'0', &digit);
        return clientWidth - GetSystemMetrics(SM_CXMENUCHECK) - digit / 2;
    }
    default: return clientWidth - 2 * GetSystemMetrics(SM_CXEDGE);
    }
}

} // namespace

// Fails for every caption of `dialog` (made from template `id`) that does not fit.
void expectCaptionsFit(HMODULE module, HWND dialog, int id, WORD language) {
    const DialogTemplate layout = readDialogTemplate(module, id, language);
    ASSERT_TRUE(layout.found);
    HWND control = GetWindow(dialog, GW_CHILD);
    for (const TemplateItem& item : layout.items) {
        ASSERT_NE(control, nullptr) << "fewer controls than in dialog " << id;
        if (!item.text.empty()) {
            HDC dc = GetDC(control);
            HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
            HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
            RECT client;
            GetClientRect(control, &client);
            RECT text{};
            const UINT prefix = (item.style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
            DrawTextW(dc, item.text.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE | prefix);
            const int room = roomFor(control, dc, client.right);
            EXPECT_LE(text.right, room)
                << "dialog " << id << ": \"" << std::string(item.text.begin(), item.text.end())
                << "\" needs " << text.right << " px of " << room << " in " << faceOf(dc);
            EXPECT_LE(text.bottom, client.bottom) << "dialog " << id << ": caption too tall";
            SelectObject(dc, old);
            ReleaseDC(control, dc);
        }
        control = GetWindow(control, GW_HWNDNEXT);
    }
}
