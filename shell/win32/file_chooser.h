#pragma once
// The one shared open/save chooser for deck files and text reports. Every chooser of
// a run starts in the folder that was current when the main dialog started.
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "ui/dialog.h"

// Remembers the current working directory as every later chooser's start folder.
void recordChooserDirectory();

// Runs the open or save chooser for `kind` over `owner`. True when the user
// confirmed a file; its full path is then in `utf8Path`. Cancel changes nothing. An
// empty title leaves the system's own.
bool runFileChooser(HWND owner, ChooserMode mode, FileKind kind, std::string& utf8Path,
                    const std::string& utf8Title = {});

// Test hook: when set, it answers instead of the system dialog. It receives the
// description exactly as the system dialog would, and confirms a file by writing
// its path into description.lpstrFile and returning true.
using ChooserHook = bool (*)(ChooserMode mode, FileKind kind, OPENFILENAMEW& description);
void setChooserHook(ChooserHook hook);
