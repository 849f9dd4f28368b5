#pragma once
// The main window's caption: the deck file last loaded or saved, marked "*" while the
// decks differ from it, before the program's own title; before any Load or Save, the
// title alone.
#include <string>

class Dialog;

// A path's last part, its file name, as UTF-8.
std::string fileNameOf(const std::string& utf8Path);
// At most 32 characters: a longer name keeps its first 31 and ends in "…".
std::string shortFileName(const std::string& utf8Name);

std::string captionText();
void showCaption(Dialog& dialog);
