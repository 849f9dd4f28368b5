#include "shell/main_dialog.h"

#include <string>

#include "browser/card_list.h"
#include "browser/card_panel.h"
#include "browser/filters.h"
#include "catalogue/windows1252.h"
#include "reports/deck_report.h"
#include "ui/control_ids.h"
#include "ui/dialog.h"
#include "shell/caption.h"
#include "shell/count_changes.h"
#include "shell/file_commands.h"
#include "shell/shrinking_save.h"
#include "store/deck_set.h"
#include "store/undo_history.h"
#include "store/unsaved_changes.h"

namespace {

// The eight deck reports of the Export menu.
using R = DeckReportKind;
constexpr DeckReportKind CardsBasic{R::Cards, R::Basic, R::WholeCatalogue};
constexpr DeckReportKind CardsDetailed{R::Cards, R::Detailed, R::WholeCatalogue};
constexpr DeckReportKind NeedsBasic{R::Needs, R::Basic, R::WholeCatalogue};
constexpr DeckReportKind NeedsDetailed{R::Needs, R::Detailed, R::WholeCatalogue};
constexpr DeckReportKind CardsFilteredBasic{R::Cards, R::Basic, R::Filtered};
constexpr DeckReportKind CardsFilteredDetailed{R::Cards, R::Detailed, R::Filtered};
constexpr DeckReportKind NeedsFilteredBasic{R::Needs, R::Basic, R::Filtered};
constexpr DeckReportKind NeedsFilteredDetailed{R::Needs, R::Detailed, R::Filtered};

void chooseCurrentDeck(Dialog& dialog, int boxId) {
    dialog.setChecked(boxId, true);
    for (int id = IDC_CURRENT_DECK_FIRST; id <= IDC_CURRENT_DECK_LAST; ++id)
        if (id != boxId) dialog.setChecked(id, false);
    setCurrentDeck(boxId - IDC_CURRENT_DECK_FIRST);
    refreshPanel(dialog, dialog.listSelection());
}

void leaveProgram(Dialog& dialog) {
    if (offerToSaveDecks(dialog)) dialog.endDialog(0);
}

void showSelectedCard(Dialog& dialog) {
    recordedListSelection = dialog.listSelection();
    refreshPanel(dialog, recordedListSelection);
}

// Typing in the list's field selects the first name starting with the typed text and
// leaves the text as typed; a text that matches no name selects nothing and blanks the
// card, so "+" and "-" have nothing to change. The control has already dropped its
// selection, so an empty field (or one of spaces, hyphens and apostrophes, which names
// ignore) puts back what the previous edit left.
void selectTypedCard(Dialog& dialog) {
    std::string typed;
    const bool inCodePage = dialog.fieldText(typed);
    if (inCodePage && foldName(typed).empty()) {
        dialog.listSelectKeepingField(recordedListSelection);
        return;
    }
    // A character outside the code page is in no card's name.
    recordedListSelection = inCodePage ? findListEntry(typed) : -1;
    dialog.listSelectKeepingField(recordedListSelection);
    refreshPanel(dialog, recordedListSelection);
}

void onListNotification(Dialog& dialog, int notifyCode) {
    if (notifyCode == SelectionChanged)
        showSelectedCard(dialog);
    else if (notifyCode == FieldEdited)
        selectTypedCard(dialog);
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
    resetSavedDecks();
    resetUndoHistory();
    forgetDeckFiles();
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
    showCaption(dialog);
}

namespace {

// Kept from clang-format, which would wrap the longer cases: the dispatch reads as a
// table, one command a line.
// clang-format off
void dispatch(Dialog& dialog, int id, int notifyCode) {
    switch (id) {
    case IDC_CANCEL: leaveProgram(dialog); return;
    case IDM_FILE_EXIT: leaveProgram(dialog); return;
    case IDC_PLUS: changeSelectedCount(dialog, ChangeKind::Plus); return;
    case IDC_MINUS: changeSelectedCount(dialog, ChangeKind::Minus); return;
    case IDK_UNDO: undoLastChange(dialog); return;
    case IDK_REDO: redoLastChange(dialog); return;
    case IDM_ABOUT: dialog.showAbout(); return;
    case IDM_FILE_LOAD: loadDeckFile(dialog); return;
    case IDM_FILE_SAVE: saveDeckFile(dialog); return;
    case IDM_DECK_CLEAR_NO: return;
    case IDM_DECK_CLEAR_YES: wipeCurrentDeck(dialog); return;
    case IDM_EXPORT_CARDS_BASIC: exportDeckReport(dialog, CardsBasic); return;
    case IDM_EXPORT_CARDS_DETAILED: exportDeckReport(dialog, CardsDetailed); return;
    case IDM_EXPORT_NEEDS_BASIC: exportDeckReport(dialog, NeedsBasic); return;
    case IDM_EXPORT_NEEDS_DETAILED: exportDeckReport(dialog, NeedsDetailed); return;
    case IDM_EXPORT_CARDS_FILTERED_BASIC: exportDeckReport(dialog, CardsFilteredBasic); return;
    case IDM_EXPORT_CARDS_FILTERED_DETAILED: exportDeckReport(dialog, CardsFilteredDetailed); return;
    case IDM_EXPORT_NEEDS_FILTERED_BASIC: exportDeckReport(dialog, NeedsFilteredBasic); return;
    case IDM_EXPORT_NEEDS_FILTERED_DETAILED: exportDeckReport(dialog, NeedsFilteredDetailed); return;
    case IDM_EXPORT_CURRENT_LIST: exportListReport(dialog); return;
    case IDC_CARD_LIST: onListNotification(dialog, notifyCode); return;
    default: onBoxCommand(dialog, id, notifyCode); return;
    }
}
// clang-format on

} // namespace

// Any command may change the counts or their file, so the caption follows each.
void onCommand(Dialog& dialog, int id, int notifyCode) {
    dispatch(dialog, id, notifyCode);
    showCaption(dialog);
}
