#include "tests/win32/win32_test_support.h"

#include <gtest/gtest.h>

#include <sstream>

#include "catalogue/windows1252.h"
#include "ui/control_ids.h"
#include "ui/dialog_layout.h"
#include "shell/main_dialog.h"
#include "shell/win32/main_dialog_proc.h"
#include "tests/support/memory_dialog.h"

namespace {

// Wide text back to the catalogue's bytes; a character outside Windows-1252 shows
// that the text went in through some other code page.
std::string toWindows1252(const std::wstring& wide) {
    std::string text;
    if (!utf16ToWindows1252(std::u16string(wide.begin(), wide.end()), text))
        return "<not Windows-1252>";
    return text;
}

// A mouse event at a point of the screen, in the screen's absolute 0..65535.
void mouse(DWORD action, POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = action | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

} // namespace

std::string controlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return toWindows1252(text);
}

RealMainDialog::RealMainDialog(Visibility visibility) {
    resetProgramState();
    dialog_ = createMainDialog(nullptr);
    if (visibility == Visibility::Shown) {
        ShowWindow(dialog_, SW_SHOW);
        waitUntil([this] { return IsWindowVisible(dialog_) != FALSE; });
    }
}

RealMainDialog::~RealMainDialog() {
    if (IsWindow(dialog_)) DestroyWindow(dialog_);
}

void RealUser::click(int id) {
    SendMessageW(GetDlgItem(dialog_, id), BM_CLICK, 0, 0);
}

void clickWithMouse(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    const POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    mouse(MOUSEEVENTF_MOVE, at);
    ASSERT_TRUE(waitUntil([&] {
        POINT cursor;
        return GetCursorPos(&cursor) && cursor.x == at.x && cursor.y == at.y;
    }));
    // A second press on the same spot soon after the first is a double click, which a
    // control may take for something else: each click here is a click of its own.
    static POINT lastAt{-1, -1};
    static ULONGLONG lastTime = 0;
    if (lastAt.x == at.x && lastAt.y == at.y) {
        const ULONGLONG apart = lastTime + GetDoubleClickTime() + 50;
        waitUntil([&] { return GetTickCount64() >= apart; }, GetDoubleClickTime() + 100);
    }
    mouse(MOUSEEVENTF_LEFTDOWN, at);
    mouse(MOUSEEVENTF_LEFTUP, at);
    lastAt = at;
    lastTime = GetTickCount64();
}

void RealUser::select(int position) {
    HWND list = GetDlgItem(dialog_, IDC_CARD_LIST);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_CARD_LIST, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

void RealUser::command(int id) {
    SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void MemoryUser::click(int id) {
    dialog_.click(id);
}
void MemoryUser::select(int position) {
    dialog_.select(position);
}
void MemoryUser::command(int id) {
    dialog_.command(id);
}

DialogSnapshot snapshotOf(HWND dialog) {
    DialogSnapshot shot;
    for (const ControlLayout& layout : MainDialogLayout) {
        if (layout.id < 0 || layout.id == IDC_CARD_LIST) continue;
        shot.texts[layout.id] = controlText(dialog, layout.id);
        if (isCheckBox(layout.kind))
            shot.checked[layout.id] = IsDlgButtonChecked(dialog, layout.id) == BST_CHECKED;
    }
    HWND list = GetDlgItem(dialog, IDC_CARD_LIST);
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(static_cast<size_t>(length));
        shot.entries.push_back(toWindows1252(entry));
    }
    shot.selection = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
    shot.field = controlText(dialog, IDC_CARD_LIST);
    return shot;
}

DialogSnapshot snapshotOf(const MemoryDialog& dialog) {
    DialogSnapshot shot;
    for (const ControlLayout& layout : MainDialogLayout) {
        if (layout.id < 0 || layout.id == IDC_CARD_LIST) continue;
        shot.texts[layout.id] = dialog.text(layout.id);
        if (isCheckBox(layout.kind)) shot.checked[layout.id] = dialog.isChecked(layout.id);
    }
    shot.entries = dialog.listEntries();
    shot.selection = dialog.listSelection();
    shot.field = dialog.field();
    return shot;
}

std::string differences(const DialogSnapshot& real, const DialogSnapshot& memory) {
    std::ostringstream out;
    int shown = 0;
    const auto note = [&](const std::string& line) {
        if (shown++ < 12) out << line << '\n';
    };
    for (const auto& [id, text] : real.texts)
        if (memory.texts.at(id) != text)
            note("control " + std::to_string(id) + ": real \"" + text + "\", memory \"" +
                 memory.texts.at(id) + "\"");
    for (const auto& [id, checked] : real.checked)
        if (memory.checked.at(id) != checked)
            note("box " + std::to_string(id) + ": real " + (checked ? "checked" : "unchecked"));
    if (real.entries.size() != memory.entries.size())
        note("list: real " + std::to_string(real.entries.size()) + " entries, memory " +
             std::to_string(memory.entries.size()));
    for (size_t i = 0; i < real.entries.size() && i < memory.entries.size(); ++i)
        if (real.entries[i] != memory.entries[i])
            note("entry " + std::to_string(i) + ": real \"" + real.entries[i] + "\", memory \"" +
                 memory.entries[i] + "\"");
    if (real.field != memory.field)
        note("field: real \"" + real.field + "\", memory \"" + memory.field + "\"");
    if (real.selection != memory.selection)
        note("selection: real " + std::to_string(real.selection) + ", memory " +
             std::to_string(memory.selection));
    return out.str();
}
