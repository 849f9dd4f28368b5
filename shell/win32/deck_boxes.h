#pragma once
// The five current-deck boxes have no text, so the focus rectangle a check box draws
// around its text has nothing to surround, and a screen reader has no name to read.
#include <windows.h>

// Draws the focus mark around the whole box that has the focus (as the keyboard cues
// allow) and names the boxes "Current deck 1".."Current deck 5" for screen readers,
// where the system's accessibility property service takes names.
void markDeckBoxFocus(HWND dialog);
