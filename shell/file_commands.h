#pragma once
// The commands that read or write files: each asks for a path through the dialog's
// chooser, and reports any failure in a message that names the file and the reason.
#include <string>

class Dialog;
struct DeckReportKind;

// With counts changed since the last Load or Save, asks whether to save them first.
// True when the caller may go on and drop them: nothing changed, No, or Yes and saved.
// The save chooser's title says what the save comes before.
bool offerToSaveDecks(Dialog& dialog,
                      const std::string& chooserTitle = "Save the current decks before leaving");

void loadDeckFile(Dialog& dialog);
// True when the decks were written in full; false on cancel, failure, or No to
// replacing a collection with fewer copies.
bool saveDeckFile(Dialog& dialog, const std::string& chooserTitle = {});
void exportDeckReport(Dialog& dialog, DeckReportKind kind);
void exportListReport(Dialog& dialog);
