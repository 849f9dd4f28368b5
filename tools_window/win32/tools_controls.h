#pragma once
// The Tools dialog's controls as the model's fields and texts: reading every field,
// showing one task's group, the enabled buttons, and the output box.
#include <windows.h>

#include <string>

#include "tools_window/tools_form.h"

// Fills the deck lists and the fixed-pitch font of the output box; the Import task shown.
void setUpControls(HWND dialog);
void releaseControls(); // the font

ToolsFields readFields(HWND dialog);

// Shows the task's group, the deck file's line, the status and the enabled buttons.
void showForm(HWND dialog, const ToolsForm& form);

// The output box's text: the console's UTF-8 with its line ends as the box needs.
void showOutput(HWND dialog, const std::string& utf8);

std::wstring controlTextW(HWND dialog, int id);
void setControlTextW(HWND dialog, int id, const std::wstring& text);
