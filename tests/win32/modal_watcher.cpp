#include "tests/win32/modal_watcher.h"

#include <string>

namespace {

struct Watch {
    HWND owner = nullptr;
    const std::function<void(HWND)>* act = nullptr;
    HWND box = nullptr;
    bool forced = false;
    ULONGLONG deadline = 0;
};
Watch watch;

BOOL CALLBACK findBox(HWND window, LPARAM) {
    wchar_t className[16];
    GetClassNameW(window, className, 16);
    if (wcscmp(className, L"#32770") == 0 && GetWindow(window, GW_OWNER) == watch.owner &&
        IsWindowVisible(window)) {
        watch.box = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK endAnyBox(HWND window, LPARAM) {
    wchar_t className[16];
    GetClassNameW(window, className, 16);
    if (wcscmp(className, L"#32770") == 0 && window != watch.owner) EndDialog(window, 0);
    return TRUE;
}

void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD) {
    if (!watch.box) {
        EnumThreadWindows(GetCurrentThreadId(), findBox, 0);
        if (watch.box) (*watch.act)(watch.box);
    }
    if (GetTickCount64() > watch.deadline && !watch.forced) {
        watch.forced = true;
        EnumThreadWindows(GetCurrentThreadId(), endAnyBox, 0);
    }
}

BOOL CALLBACK appendText(HWND child, LPARAM out) {
    wchar_t text[512];
    GetWindowTextW(child, text, 512);
    *reinterpret_cast<std::wstring*>(out) += std::wstring(text) + L"\n";
    return TRUE;
}

} // namespace

ModalOutcome watchModal(HWND owner, const std::function<void()>& openModal,
                        const std::function<void(HWND box)>& act, DWORD timeoutMs) {
    watch = Watch{owner, &act, nullptr, false, GetTickCount64() + timeoutMs};
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, onTick);
    openModal();
    KillTimer(nullptr, timer);
    // Throw away a tick that may already be queued.
    MSG stale;
    while (PeekMessageW(&stale, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    }
    return ModalOutcome{watch.box != nullptr, watch.box != nullptr && !watch.forced};
}

std::wstring childTexts(HWND box) {
    std::wstring texts;
    EnumChildWindows(box, appendText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}
