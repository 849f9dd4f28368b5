#include "shell/main_dialog.h"

#include "browser/card_list.h"
#include "browser/card_panel.h"
#include "browser/filters.h"
#include "ui/control_ids.h"
#include "ui/dialog.h"
#include "shell/file_commands.h"
#include "store/deck_set.h"
#include "store/unsaved_changes.h"

namespace {

constexpr int ButtonClicked = 0;    // BN_CLICKED, also the code of menu commands
constexpr int SelectionChanged = 1; // CBN_SELCHANGE

void changeSelectedCount(Dialog& dialog, void (*change)(int, int)) {
    // A deck search is a browse-only view; with nothing selected there is no card on
    // screen to change.
    if (filterState.deckSearchMask != 0) return;
    const int selection = dialog.listSelection();
    if (selection < 0) return;
    change(currentDeck, selectedCard);
    refreshPanel(dialog, selection);
}

void wipeCurrentDeck(Dialog& dialog) {
    clearDeck(currentDeck);
    // At the selection, so the panel keeps showing the highlighted card.
    refreshPanel(dialog, dialog.listSelection());
}

void chooseCurrentDeck(Dialog& dialog, int boxId) {
    dialog.setChecked(boxId, true);
    for (int id = IDC_CURRENT_DECK_FIRST; id <= IDC_CURRENT_DECK_LAST; ++id)
        if (id != boxId) dialog.setChecked(id, false);
    setCurrentDeck(boxId - IDC_CURRENT_DECK_FIRST);
    refreshPanel(dialog, dialog.listSelection());
}

void leaveProgram(Dialog& dialog) {
    if (decksChangedSinceSave()) {
        switch (dialog.askQuestion("Save changes to your Store Decks?")) {
        case Answer::Yes:
            if (!saveDeckFile(dialog)) return;
            break;
        case Answer::No: break;
        case Answer::Cancel: return;
        }
    }
    dialog.endDialog(0);
}

bool isCurrentDeckBox(int id) {
    return id >= IDC_CURRENT_DECK_FIRST && id <= IDC_CURRENT_DECK_LAST;
}

// Check boxes act on clicks only: the "All" boxes also send focus notifications,
// which must not reset a filter group.
void onBoxCommand(Dialog& dialog, int id, int notifyCode) {
    if (notifyCode != ButtonClicked) return;
    if (isFilterMember(id))
        toggleMember(dialog, id);
    else if (isFilterAll(id))
        toggleAll(dialog, id);
    else if (isCurrentDeckBox(id))
        chooseCurrentDeck(dialog, id);
}

} // namespace

void resetProgramState() {
    resetStore();
    resetFilters();
    resetCardList();
    resetCardPanel();
    markDecksSaved();
}

void onInitDialog(Dialog& dialog) {
    dialog.setChecked(IDC_SET_ALL, true);
    dialog.setChecked(IDC_TYPE_ALL, true);
    dialog.setChecked(IDC_RARITY_ALL, true);
    rebuildList(dialog);
    syncBoxes(dialog);
    dialog.listSelect(0);
    dialog.setChecked(IDC_CURRENT_DECK_FIRST, true);
    dialog.recordInitialDirectory();
}

void onCommand(Dialog& dialog, int id, int notifyCode) {
    switch (id) {
    case IDC_CANCEL: leaveProgram(dialog); return;
    case IDM_FILE_EXIT: leaveProgram(dialog); return;
    case IDC_PLUS: changeSelectedCount(dialog, incrementCount); return;
    case IDC_MINUS: changeSelectedCount(dialog, decrementCount); return;
    case IDM_ABOUT: dialog.showAbout(); return;
    case IDM_FILE_LOAD: loadDeckFile(dialog); return;
    case IDM_FILE_SAVE: saveDeckFile(dialog); return;
    case IDM_DECK_CLEAR_NO: return;
    case IDM_DECK_CLEAR_YES: wipeCurrentDeck(dialog); return;
    case IDM_EXPORT_CARDS_BASIC: exportDeckReport(dialog, false, false, false); return;
    case IDM_EXPORT_CARDS_DETAILED: exportDeckReport(dialog, true, false, false); return;
    case IDM_EXPORT_NEEDS_BASIC: exportDeckReport(dialog, false, true, false); return;
    case IDM_EXPORT_NEEDS_DETAILED: exportDeckReport(dialog, true, true, false); return;
    case IDM_EXPORT_CARDS_FILTERED_BASIC: exportDeckReport(dialog, false, false, true); return;
    case IDM_EXPORT_CARDS_FILTERED_DETAILED: exportDeckReport(dialog, true, false, true); return;
    case IDM_EXPORT_NEEDS_FILTERED_BASIC: exportDeckReport(dialog, false, true, true); return;
    case IDM_EXPORT_NEEDS_FILTERED_DETAILED: exportDeckReport(dialog, true, true, true); return;
    case IDM_EXPORT_CURRENT_LIST: exportListReport(dialog); return;
    case IDC_CARD_LIST:
        if (notifyCode == SelectionChanged) refreshPanel(dialog, dialog.listSelection());
        return;
    default: onBoxCommand(dialog, id, notifyCode); return;
    }
}
