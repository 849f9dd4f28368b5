#pragma once
// Every control of the Tools dialog tells a screen reader its name (its text, or the
// label before it), its role and its checked state, through the main window's wrapper.
#include <windows.h>

// Subclasses the controls to answer WM_GETOBJECT; once, when the dialog starts.
void describeToolsControls(HWND dialog);
