#pragma once
// Every control of the main dialog, and the card list's field and entries, tells a
// screen reader its name, role, checked state and value, from the layout table.
#include <windows.h>

// Subclasses the controls to answer WM_GETOBJECT; once, when the dialog starts.
void describeControlsToScreenReaders(HWND dialog);
