#include "shell/file_commands.h"

#include <string>
#include <utility>

#include "browser/card_panel.h"
#include "reports/deck_report.h"
#include "reports/list_report.h"
#include "ui/dialog.h"
#include "shell/caption.h"
#include "shell/shrinking_save.h"
#include "files/deck_file_reader.h"
#include "files/safe_file.h"
#include "store/deck_file.h"
#include "store/deck_set.h"
#include "store/undo_history.h"
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

bool offerToSaveDecks(Dialog& dialog, const std::string& chooserTitle) {
    if (!decksChangedSinceSave()) return true;
    switch (dialog.askQuestion("Save changes to your Store Decks?")) {
    case Answer::Yes: return saveDeckFile(dialog, chooserTitle);
    case Answer::No: return true;
    case Answer::Cancel: return false;
    }
    return false;
}

void loadDeckFile(Dialog& dialog) {
    std::string path;
    // Load replaces all five decks, so unsaved counts are offered for saving first;
    // declining ends the Load as a cancelled chooser does.
    if (offerToSaveDecks(dialog, "Save the current decks before loading") &&
        dialog.chooseFile(ChooserMode::Open, FileKind::Deck, path)) {
        const std::string name = fileNameOf(path);
        CountChange change = decksLoad(name);
        // The whole file is read and checked before any count changes, so a bad file
        // leaves every deck as it was.
        std::string reason;
        if (readDeckFile(path, deckSet, reason)) {
            markDecksSavedAs(name);
            rememberDeckFile(path);
            recordChange(std::move(change));
        } else {
            reportFailure(dialog, "load", path, reason);
        }
    }
    refreshPanel(dialog, dialog.listSelection());
}

bool saveDeckFile(Dialog& dialog, const std::string& chooserTitle) {
    std::string path;
    if (!dialog.chooseFile(ChooserMode::Save, FileKind::Deck, path, chooserTitle)) return false;
    if (!mayReplaceDeckFile(dialog, path)) return false;
    const WriteResult written = writeFileSafely(path, encodeDeckFile(deckSet));
    if (!written.ok) {
        reportFailure(dialog, "save", path, written.reason);
        return false;
    }
    markDecksSavedAs(fileNameOf(path));
    rememberDeckFile(path);
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
