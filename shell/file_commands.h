#pragma once
// The commands that read or write files: each asks for a path through the dialog's
// chooser, and reports any failure in a message that names the file and the reason.

class Dialog;
struct DeckReportKind;

// With counts changed since the last Load or Save, asks whether to save them first.
// True when the caller may go on and drop them: nothing changed, No, or Yes and saved.
bool offerToSaveDecks(Dialog& dialog);

void loadDeckFile(Dialog& dialog);
// True when the decks were written in full; false on cancel or failure.
bool saveDeckFile(Dialog& dialog);
void exportDeckReport(Dialog& dialog, DeckReportKind kind);
void exportListReport(Dialog& dialog);
