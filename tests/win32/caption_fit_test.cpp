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
#include "tests/win32/caption_fit.h"
#include "tests/win32/win32_test_support.h"

namespace {

INT_PTR CALLBACK quietProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
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
    expectCaptionsFit(appInstance, main.handle(), IDD_MAIN,
                      MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK));

    HWND about =
        CreateDialogParamW(appInstance, MAKEINTRESOURCEW(IDD_ABOUT), nullptr, quietProc, 0);
    ASSERT_NE(about, nullptr);
    expectCaptionsFit(appInstance, about, IDD_ABOUT, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    DestroyWindow(about);
}

} // namespace
