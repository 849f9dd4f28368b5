#include "shell/win32/card_text_tips.h"

#include <commctrl.h>

#include "ui/control_ids.h"

namespace {

// How a static label with SS_LEFT | SS_NOPREFIX draws its text.
constexpr UINT LabelFormat = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;
constexpr UINT KeyboardWaitMs = 1000;
constexpr UINT_PTR KeyboardWaitTimer = 0x7169;
// The longest a tip may stay up while the pointer rests (moving it starts again): a
// 756-character text needs about half a minute.
constexpr WORD HoverTipMs = 32767;

// The tips of the one main dialog whose card list has the focus, for the timer and the
// keyboard hook, which carry no pointer of their own.
CardTextTips* listening = nullptr;
HHOOK keyHook = nullptr;

HFONT fontOf(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

RECT clientRect(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

// A tip in the label's font that wraps at the label's width, so its lines break as the
// label's do.
HWND makeTip(HWND dialog, HWND label) {
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tip, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(label)), FALSE);
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, clientRect(label).right);
    return tip;
}

TTTOOLINFOW toolFor(HWND dialog, HWND label, UINT flags, const std::wstring& text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = flags;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(label);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    return tool;
}

std::wstring withoutTrailingSpaces(const std::wstring& text) {
    const size_t end = text.find_last_not_of(L' ');
    return end == std::wstring::npos ? std::wstring() : text.substr(0, end + 1);
}

void CALLBACK keyboardWaitEnded(HWND dialog, UINT, UINT_PTR timer, DWORD) {
    KillTimer(dialog, timer);
    if (listening) listening->keyboardWaitEnded();
}

LRESULT CALLBACK keyPressed(int code, WPARAM key, LPARAM flags) {
    // Key downs only (bit 31 clear), as they are taken from the queue.
    if (code == HC_ACTION && (flags & 0x80000000) == 0 && listening) listening->listKeyPressed();
    return CallNextHookEx(keyHook, code, key, flags);
}

void stopListening() {
    if (keyHook) UnhookWindowsHookEx(keyHook);
    keyHook = nullptr;
    listening = nullptr;
}

} // namespace

bool labelCutsText(HWND label, const std::wstring& text) {
    const RECT client = clientRect(label);
    RECT needed{0, 0, client.right, 0};
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, fontOf(label));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, LabelFormat | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return needed.bottom > client.bottom || needed.right > client.right;
}

void CardTextTips::attach(HWND dialog, HWND list) {
    if (listening == this) stopListening();
    *this = CardTextTips();
    HWND text = GetDlgItem(dialog, IDC_PANEL_TEXT), errata = GetDlgItem(dialog, IDC_PANEL_ERRATA);
    if (!text || !errata) return;
    dialog_ = dialog;
    list_ = list;
    labels_[0].window = text;
    labels_[1].window = errata;
    hoverTip_ = makeTip(dialog, text);
    SendMessageW(hoverTip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(HoverTipMs, 0));
    keyboardTip_ = makeTip(dialog, text);
}

// A tip only for a label that cuts its text: the label's rectangle on the dialog, as
// static labels let the mouse through to it.
void CardTextTips::labelChanged(HWND window, const std::wstring& text) {
    for (Label& label : labels_) {
        if (label.window != window || !window) continue;
        std::wstring whole = withoutTrailingSpaces(text);
        if (whole == label.text) return;
        const bool cut = !whole.empty() && labelCutsText(window, whole);
        TTTOOLINFOW tool = toolFor(dialog_, window, TTF_SUBCLASS, whole);
        if (cut && !label.cut) {
            GetWindowRect(window, &tool.rect);
            MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&tool.rect), 2);
            SendMessageW(hoverTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        } else if (cut) {
            SendMessageW(hoverTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        } else if (label.cut) {
            SendMessageW(hoverTip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        label.text = std::move(whole);
        label.cut = cut;
        if (listHasFocus()) restartKeyboardWait();
    }
}

bool CardTextTips::listHasFocus() const {
    HWND focus = GetFocus();
    return list_ && focus && (focus == list_ || IsChild(list_, focus));
}

// While the list has the focus, every key takes the keyboard tip away; a new text in a
// label, or the focus coming back, starts the wait again.
void CardTextTips::listFocusGained() {
    if (!dialog_) return;
    if (listening != this) {
        stopListening();
        keyHook = SetWindowsHookExW(WH_KEYBOARD, keyPressed, nullptr, GetCurrentThreadId());
        listening = this;
    }
    restartKeyboardWait();
}

void CardTextTips::listFocusLost() {
    if (!dialog_) return;
    KillTimer(dialog_, KeyboardWaitTimer);
    hideKeyboardTip();
    if (listening == this) stopListening();
}

void CardTextTips::listKeyPressed() {
    if (!IsWindow(dialog_)) {
        stopListening();
        return;
    }
    KillTimer(dialog_, KeyboardWaitTimer);
    hideKeyboardTip();
}

void CardTextTips::restartKeyboardWait() {
    hideKeyboardTip();
    SetTimer(dialog_, KeyboardWaitTimer, KeyboardWaitMs, ::keyboardWaitEnded);
}

// Beside the label, below it, until the next key; its tool exists only while it shows.
void CardTextTips::keyboardWaitEnded() {
    if (!listHasFocus() || keyboardTipShown_) return;
    for (const Label& label : labels_) {
        if (!label.cut) continue;
        TTTOOLINFOW tool = toolFor(dialog_, label.window, TTF_TRACK | TTF_ABSOLUTE, label.text);
        SendMessageW(keyboardTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        RECT place;
        GetWindowRect(label.window, &place);
        SendMessageW(keyboardTip_, TTM_TRACKPOSITION, 0, MAKELPARAM(place.left, place.bottom));
        SendMessageW(keyboardTip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
        keyboardTipShown_ = label.window;
        return;
    }
}

void CardTextTips::hideKeyboardTip() {
    if (!keyboardTipShown_) return;
    TTTOOLINFOW tool = toolFor(dialog_, keyboardTipShown_, 0, std::wstring());
    SendMessageW(keyboardTip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(keyboardTip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    keyboardTipShown_ = nullptr;
}
