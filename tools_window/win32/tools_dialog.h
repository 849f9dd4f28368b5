#pragma once
// Cardhold Tools' one dialog: the console program's imports, exports, want and spare
// lists, trades and the collection page, with file choosers and a preview.
#include <windows.h>

#include <string>

// Runs the dialog until it is closed; `deckFile` (UTF-8, may be empty) is shown first.
INT_PTR runToolsDialog(HINSTANCE instance, const std::string& deckFile);
