#pragma once
// What a save keeps of the file it replaces, as the same document: its attributes, its
// creation time and its access list, given to the new file before it takes the name.
#include <windows.h>

#include <string>

// Each is a courtesy: what cannot be read or set is left as a new file has it.
void keepOldFileTraits(const std::wstring& old, const std::wstring& temp);
