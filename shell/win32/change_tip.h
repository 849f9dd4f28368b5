#pragma once
// What an undo or redo did, said for two seconds in a tip just below the "+" and "-"
// buttons, through the tooltip control of the card texts' keyboard tip.
#include <windows.h>

#include <string>

void showChangeTip(HWND dialog, HWND tooltip, const std::wstring& text);
