#pragma once
// The main dialog (dialog 129): the program's whole user interface.
#include <windows.h>

// The module whose resources the dialogs are made from; the entry point stores
// its instance handle here before the main dialog opens.
extern HINSTANCE appInstance;

// Runs the main dialog modally over `owner` until it ends; returns its result.
INT_PTR runMainDialog(HWND owner);

// The same dialog without a modal loop, for tests and measurements that drive it
// with messages. The caller destroys it with DestroyWindow.
HWND createMainDialog(HWND owner);

// Every count, filter, list and panel value back to its start-up state, and the test
// hooks of the file choosers and message boxes removed with them.
void resetWindowsProgramState();
