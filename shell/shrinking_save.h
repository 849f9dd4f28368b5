#pragma once
// A Save that would lower counts in a deck file this run has neither loaded nor saved
// (a collection picked in the save chooser by mistake) is asked about once more.
#include <string>

class Dialog;

// True when the Save may replace what is at `path`: nothing there, not a deck file, a
// file this run loaded or saved, no count that would fall, or Yes to the question.
bool mayReplaceDeckFile(Dialog& dialog, const std::string& path);
// After a Load or Save of the file at `path`.
void rememberDeckFile(const std::string& path);
void forgetDeckFiles();
