#include "shell/win32/deck_boxes.h"

#include <commctrl.h>

#include "ui/control_ids.h"

namespace {

constexpr UINT_PTR FocusMarkSubclass = 1;

bool focusCuesShown(HWND box) {
    return (SendMessageW(box, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

// Only where the box has just painted itself: the mark is drawn by inverting pixels.
void drawFocusMark(HWND box, HRGN painted) {
    if (GetFocus() != box || !focusCuesShown(box)) return;
    RECT whole;
    GetClientRect(box, &whole);
    HDC dc = GetDC(box);
    SelectClipRgn(dc, painted);
    DrawFocusRect(dc, &whole);
    ReleaseDC(box, dc);
}

LRESULT CALLBACK deckBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
    switch (message) {
    case WM_PAINT: {
        HRGN painted = CreateRectRgn(0, 0, 0, 0);
        GetUpdateRgn(box, painted, FALSE);
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        drawFocusMark(box, painted);
        DeleteObject(painted);
        return result;
    }
    // The box paints these changes at once, without the mark: it is painted again whole.
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
    case BM_SETCHECK:
    case BM_SETSTATE: {
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        InvalidateRect(box, nullptr, TRUE);
        return result;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(box, deckBoxProc, FocusMarkSubclass); break;
    default: break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

} // namespace

void markDeckBoxFocus(HWND dialog) {
    for (int id = IDC_CURRENT_DECK_FIRST; id <= IDC_CURRENT_DECK_LAST; ++id)
        SetWindowSubclass(GetDlgItem(dialog, id), deckBoxProc, FocusMarkSubclass, 0);
}
