#include "shell/win32/change_tip.h"

#include <commctrl.h>

#include "ui/control_ids.h"

namespace {

constexpr UINT ShownMs = 2000;
constexpr UINT_PTR HideTimer = 0x7170;

HWND tipDialog = nullptr;
HWND tipControl = nullptr;
std::wstring tipText; // the tool points at it while it shows

// The tool is the "-" button, the left of the two.
TTTOOLINFOW tool(HWND dialog) {
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    info.hwnd = dialog;
    info.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, IDC_MINUS));
    info.lpszText = const_cast<wchar_t*>(tipText.c_str());
    return info;
}

void hideTip() {
    if (!tipControl) return;
    TTTOOLINFOW info = tool(tipDialog);
    SendMessageW(tipControl, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
    SendMessageW(tipControl, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    tipControl = nullptr;
}

void CALLBACK hideTimerEnded(HWND dialog, UINT, UINT_PTR timer, DWORD) {
    KillTimer(dialog, timer);
    hideTip();
}

} // namespace

void showChangeTip(HWND dialog, HWND tooltip, const std::wstring& text) {
    if (!dialog || !tooltip) return;
    hideTip();
    tipDialog = dialog;
    tipControl = tooltip;
    tipText = text;
    TTTOOLINFOW info = tool(dialog);
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    RECT minus, plus;
    GetWindowRect(GetDlgItem(dialog, IDC_MINUS), &minus);
    GetWindowRect(GetDlgItem(dialog, IDC_PLUS), &plus);
    SendMessageW(tooltip, TTM_TRACKPOSITION, 0,
                 MAKELPARAM(minus.left, minus.bottom > plus.bottom ? minus.bottom : plus.bottom));
    SendMessageW(tooltip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
    SetTimer(dialog, HideTimer, ShownMs, hideTimerEnded);
}
