#pragma once
// What a screen reader learns of a control: the system's standard accessibility object
// for it, told the name, role, checked state and value that the standard object cannot
// know (under Wine it calls every button, static and combo box a "client", and each
// of them focusable).
#include <windows.h>

struct ControlAccessibility {
    const char* name; // Windows-1252
    LONG role;        // a ROLE_SYSTEM_ value
    bool checkable;   // checked as BM_GETCHECK says
    bool textIsValue; // its value is the text it shows
    bool focusable;   // false: never takes the focus (a text that cannot is read-only)
};

// The answer to WM_GETOBJECT for the control's client area (OBJID_CLIENT): the standard
// object, wrapped. 0 when it cannot be made, and the system then answers with its own.
LRESULT answerClientObject(HWND control, WPARAM wParam, const ControlAccessibility& accessibility);

// Subclasses the control to answer WM_GETOBJECT with `about`, which must outlive it.
void describeToScreenReaders(HWND control, const ControlAccessibility& about);
