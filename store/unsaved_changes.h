#pragma once
// Whether the counts differ from what was last loaded or saved (or from the empty
// decks at start-up), so leaving the program can offer to save first.

void markDecksSaved();
bool decksChangedSinceSave();
