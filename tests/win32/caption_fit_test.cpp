// Every fixed caption of the main dialog and the About box, measured with the
// dialog's own font, fits its control: none is cut or wrapped out of sight. Under
// Wine this depends on the prefix having a face with Windows' metrics for
// "MS Sans Serif" at the screen's DPI (scripts/setup.sh installs them); the face used
// is reported. With CARDHOLD_DPI set, the screen must have that DPI.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/control_ids.h"
#include "shell/win32/main_dialog_proc.h"
#include "tests/win32/dialog_template.h"
#include "tests/win32/win32_test_support.h"

namespace {

INT_PTR CALLBACK quietProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

std::string faceOf(HDC dc) {
    char face[LF_FACESIZE] = "";
    GetTextFaceA(dc, LF_FACESIZE, face);
    return face;
}

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

// Fails for every caption of `dialog` (made from template `id`) that does not fit.
void expectCaptionsFit(HWND dialog, int id, WORD language) {
    const DialogTemplate layout = readDialogTemplate(appInstance, id, language);
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

TEST(Captions, EveryFixedCaptionOfBothDialogsFits) {
    RealMainDialog main;
    HDC dc = GetDC(main.handle());
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(main.handle(), WM_GETFONT, 0, 0)));
    const std::string face = faceOf(dc);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(main.handle(), dc);
    std::printf("main dialog font \"MS Sans Serif\" 8 at %d DPI drawn with: %s\n", dpi,
                face.c_str());
    if (const char* wanted = std::getenv("CARDHOLD_DPI")) {
        ASSERT_EQ(dpi, std::atoi(wanted)) << "the screen's DPI";
    }
    RecordProperty("face", face);
    expectCaptionsFit(main.handle(), IDD_MAIN, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK));

    HWND about =
        CreateDialogParamW(appInstance, MAKEINTRESOURCEW(IDD_ABOUT), nullptr, quietProc, 0);
    ASSERT_NE(about, nullptr);
    expectCaptionsFit(about, IDD_ABOUT, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    DestroyWindow(about);
}

} // namespace
