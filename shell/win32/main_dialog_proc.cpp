#include "shell/win32/main_dialog_proc.h"

#include <commctrl.h>

#include "ui/control_ids.h"
#include "ui/dialog.h"
#include "shell/file_commands.h"
#include "shell/main_dialog.h"
#include "shell/win32/control_accessibility.h"
#include "shell/win32/deck_boxes.h"
#include "shell/win32/win32_dialog.h"
#include "shell/win32/message_boxes.h"
#include "shell/win32/file_chooser.h"

HINSTANCE appInstance = GetModuleHandleW(nullptr);

// The dispatch takes WM_COMMAND's high word as it comes.
static_assert(ButtonClicked == BN_CLICKED && SelectionChanged == CBN_SELCHANGE &&
              FieldEdited == CBN_EDITCHANGE);

namespace {

// The seam over the one main dialog; attached when the dialog starts.
Win32Dialog mainDialog;

Win32Dialog& seamFor(HWND dialog) {
    if (mainDialog.handle() != dialog) mainDialog.attach(dialog);
    return mainDialog;
}

// The frame that owns the dialog is never shown, so the dialog takes the taskbar
// button and the program's icons itself.
void presentAsApplicationWindow(HWND dialog) {
    SetWindowLongPtrW(dialog, GWL_EXSTYLE,
                      GetWindowLongPtrW(dialog, GWL_EXSTYLE) | WS_EX_APPWINDOW);
    const auto icon = [](int id, int size) {
        return reinterpret_cast<LPARAM>(
            LoadImageW(appInstance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_SHARED));
    };
    SendMessageW(dialog, WM_SETICON, ICON_BIG, icon(IDI_CARDHOLD, GetSystemMetrics(SM_CXICON)));
    SendMessageW(dialog, WM_SETICON, ICON_SMALL,
                 icon(IDI_CARDHOLD_SMALL, GetSystemMetrics(SM_CXSMICON)));
}

// A log-off or shut-down asks about unsaved counts as leaving does. While a chooser or
// box is open it is refused without asking: the chooser's buffers are shared, and a
// second question must not stack on the first.
LRESULT mayEndSession(HWND dialog) {
    Win32Dialog& seam = seamFor(dialog);
    return !seam.boxOpen() && offerToSaveDecks(seam);
}

// A dialog procedure hands a message's result back through DWLP_MSGRESULT.
INT_PTR answer(HWND dialog, LRESULT result) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK mainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        presentAsApplicationWindow(dialog);
        // Always afresh: a new dialog may reuse the handle of one that has ended.
        mainDialog.attach(dialog);
        mainDialog.addTextTips();
        markDeckBoxFocus(dialog);
        describeControlsToScreenReaders(dialog);
        onInitDialog(mainDialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_CARD_LIST) seamFor(dialog).listNotified(HIWORD(wParam));
        onCommand(seamFor(dialog), LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_QUERYENDSESSION: return answer(dialog, mayEndSession(dialog));
    default: return FALSE;
    }
}

void loadCommonControls() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}

} // namespace

INT_PTR runMainDialog(HWND owner) {
    loadCommonControls();
    return DialogBoxParamW(appInstance, MAKEINTRESOURCEW(IDD_MAIN), owner, mainDialogProc, 0);
}

HWND createMainDialog(HWND owner) {
    loadCommonControls();
    return CreateDialogParamW(appInstance, MAKEINTRESOURCEW(IDD_MAIN), owner, mainDialogProc, 0);
}

void resetWindowsProgramState() {
    resetProgramState();
    setChooserHook(nullptr);
    setMessageBoxHook(nullptr);
}
