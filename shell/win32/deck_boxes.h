#pragma once
// The five current-deck boxes have no text, so the focus rectangle a check box draws
// around its text has nothing to surround.
#include <windows.h>

// Draws the focus mark around the whole box that has the focus (as the keyboard cues
// allow).
void markDeckBoxFocus(HWND dialog);
