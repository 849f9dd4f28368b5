#pragma once
// The About box (dialog 103): credits and the note that Cardhold is free to use.
#include <windows.h>

// Runs the About box modally over `owner`; returns when it is closed with "OK",
// Enter, Esc or the close box.
void showAbout(HWND owner);
