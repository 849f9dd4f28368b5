#pragma once
// Whether the counts differ from what was last loaded or saved (or from the empty
// decks at start-up), so leaving the program can offer to save first; and the name of
// that file, for the caption.
#include <string>

struct DeckSet;

// Start-up: the empty decks, from no file.
void resetSavedDecks();
// The decks as they are now count as saved, still from the same file.
void markDecksSaved();
// After a Load or Save: the decks as they are now, from the file named `fileName`
// (its name only, without folders).
void markDecksSavedAs(const std::string& fileName);
bool decksChangedSinceSave();

// The decks as last saved or loaded, and that file's name ("" before any Load or
// Save). Undoing a Load puts back both as they were before it.
const DeckSet& savedDecks();
const std::string& savedFileName();
void restoreSavedDecks(const DeckSet& decks, std::string fileName);
