#pragma once
// The main dialog's command keys: Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, Ctrl+O
// loads and Ctrl+S saves, wherever the focus is in the dialog, the card name field
// included. One keyboard hook of the thread sees them before any control does, so it
// works under any message loop; it acts only while the focus is inside the enabled
// dialog (never while a chooser or message box is open over it) and swallows the key
// it acts on.
#include <windows.h>

// The keys now act on `dialog`, the main dialog just started.
void listenForCommandKeys(HWND dialog);
