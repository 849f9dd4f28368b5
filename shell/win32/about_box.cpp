#include "shell/win32/about_box.h"

#include "ui/control_ids.h"
#include "shell/win32/main_dialog_proc.h"

namespace {

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND:
        // Esc and the close box arrive as IDC_CANCEL and close the box as "OK" does.
        if (LOWORD(wParam) == IDC_OK || LOWORD(wParam) == IDC_CANCEL) EndDialog(dialog, 0);
        return TRUE;
    default: return FALSE;
    }
}

} // namespace

void showAbout(HWND owner) {
    DialogBoxParamW(appInstance, MAKEINTRESOURCEW(IDD_ABOUT), owner, aboutProc, 0);
}
