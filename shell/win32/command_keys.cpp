#include "shell/win32/command_keys.h"

#include "ui/control_ids.h"

namespace {

HWND keyDialog = nullptr;
HHOOK keyHook = nullptr;

bool held(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

// The command of a key pressed with Ctrl (and no Alt, which AltGr also holds), or 0.
int commandOf(WPARAM key) {
    if (!held(VK_CONTROL) || held(VK_MENU)) return 0;
    const bool shift = held(VK_SHIFT);
    switch (key) {
    case 'Z': return shift ? IDK_REDO : IDK_UNDO;
    case 'Y': return shift ? 0 : IDK_REDO;
    case 'O': return shift ? 0 : IDM_FILE_LOAD;
    case 'S': return shift ? 0 : IDM_FILE_SAVE;
    default: return 0;
    }
}

bool focusInsideEnabledDialog() {
    if (!IsWindow(keyDialog) || !IsWindowEnabled(keyDialog)) return false;
    HWND focus = GetFocus();
    return focus && (focus == keyDialog || IsChild(keyDialog, focus));
}

// Posted rather than run here: Load and Save open choosers, which must not run inside
// the hook. The key's own down never reaches the control, so the name field's text
// undo does not run too.
LRESULT CALLBACK keyPressed(int code, WPARAM key, LPARAM flags) {
    const bool down = (flags & 0x80000000) == 0;
    if (code == HC_ACTION && down) {
        const int command = commandOf(key);
        if (command && focusInsideEnabledDialog()) {
            PostMessageW(keyDialog, WM_COMMAND, MAKEWPARAM(command, 0), 0);
            return 1;
        }
    }
    return CallNextHookEx(keyHook, code, key, flags);
}

} // namespace

void listenForCommandKeys(HWND dialog) {
    keyDialog = dialog;
    if (!keyHook)
        keyHook = SetWindowsHookExW(WH_KEYBOARD, keyPressed, nullptr, GetCurrentThreadId());
}
