#include "shell/file_commands.h"

#include <string>

#include "browser/card_panel.h"
#include "reports/deck_report.h"
#include "reports/list_report.h"
#include "ui/dialog.h"
#include "files/deck_file_reader.h"
#include "files/safe_file.h"
#include "store/deck_file.h"
#include "store/deck_set.h"
#include "store/unsaved_changes.h"

namespace {

void reportFailure(Dialog& dialog, const char* action, const std::string& path,
                   const std::string& reason) {
    dialog.showMessage(std::string("Could not ") + action + " " + path + ": " + reason + ".");
}

// Reports change no program state: only the file named by the user.
void exportReport(Dialog& dialog, const std::string& bytes, const std::string& path) {
    const WriteResult written = writeFileSafely(path, bytes);
    if (!written.ok) reportFailure(dialog, "export to", path, written.reason);
}

} // namespace

bool offerToSaveDecks(Dialog& dialog) {
    if (!decksChangedSinceSave()) return true;
    switch (dialog.askQuestion("Save changes to your Store Decks?")) {
    case Answer::Yes: return saveDeckFile(dialog);
    case Answer::No: return true;
    case Answer::Cancel: return false;
    }
    return false;
}

void loadDeckFile(Dialog& dialog) {
    std::string path;
    // Load replaces all five decks, so unsaved counts are offered for saving first;
    // declining ends the Load as a cancelled chooser does.
    if (offerToSaveDecks(dialog) && dialog.chooseFile(ChooserMode::Open, FileKind::Deck, path)) {
        // The whole file is read and checked before any count changes, so a bad file
        // leaves every deck as it was.
        std::string reason;
        if (readDeckFile(path, deckSet, reason))
            markDecksSaved();
        else
            reportFailure(dialog, "load", path, reason);
    }
    refreshPanel(dialog, dialog.listSelection());
}

bool saveDeckFile(Dialog& dialog) {
    std::string path;
    if (!dialog.chooseFile(ChooserMode::Save, FileKind::Deck, path)) return false;
    const WriteResult written = writeFileSafely(path, encodeDeckFile(deckSet));
    if (!written.ok) {
        reportFailure(dialog, "save", path, written.reason);
        return false;
    }
    markDecksSaved();
    return true;
}

void exportDeckReport(Dialog& dialog, DeckReportKind kind) {
    std::string path;
    if (!dialog.chooseFile(ChooserMode::Save, FileKind::Text, path)) return;
    std::string bytes;
    writeDeckReport(bytes, currentDeck, kind);
    exportReport(dialog, bytes, path);
}

void exportListReport(Dialog& dialog) {
    std::string path;
    if (!dialog.chooseFile(ChooserMode::Save, FileKind::Text, path)) return;
    std::string bytes;
    writeListReport(bytes);
    exportReport(dialog, bytes, path);
}
