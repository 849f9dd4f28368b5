#include "shell/count_changes.h"

#include "browser/card_panel.h"
#include "browser/filters.h"
#include "catalogue/card_record.h"
#include "catalogue/field_view.h"
#include "ui/dialog.h"
#include "store/deck_set.h"
#include "store/undo_history.h"

namespace {

std::string deckNumber(int deck) {
    return std::to_string(deck + 1);
}

// What the window shows after a change of counts, whether made, undone or redone: the
// list as it was, the panel at its selection.
void showChangedCounts(Dialog& dialog) {
    refreshPanel(dialog, dialog.listSelection());
}

} // namespace

void changeSelectedCount(Dialog& dialog, ChangeKind kind) {
    // A deck search is a browse-only view; with nothing selected there is no card on
    // screen to change.
    if (filterState.deckSearchMask != 0) return;
    const int selection = dialog.listSelection();
    if (selection < 0) return;
    CountChange change = countEdit(kind, currentDeck, selectedCard);
    if (kind == ChangeKind::Plus)
        incrementCount(currentDeck, selectedCard);
    else
        decrementCount(currentDeck, selectedCard);
    if (deckSet.decks[currentDeck].counts[selectedCard] != change.count)
        recordChange(std::move(change));
    showChangedCounts(dialog);
}

void wipeCurrentDeck(Dialog& dialog) {
    // A wipe of an empty deck changes nothing, so there is nothing to undo.
    if (ownedDistinct(deckSet.decks[currentDeck]) != 0) {
        recordChange(deckWipe(currentDeck));
        clearDeck(currentDeck);
    }
    // At the selection, so the panel keeps showing the highlighted card.
    showChangedCounts(dialog);
}

void undoLastChange(Dialog& dialog) {
    const CountChange* change = undoChange();
    if (change) showChangedCounts(dialog);
    dialog.showTip(change ? describeChange(*change, true) : "Nothing to undo");
}

void redoLastChange(Dialog& dialog) {
    const CountChange* change = redoChange();
    if (change) showChangedCounts(dialog);
    dialog.showTip(change ? describeChange(*change, false) : "Nothing to redo");
}

std::string describeChange(const CountChange& change, bool undone) {
    const std::string done = undone ? "Undone: " : "Redone: ";
    switch (change.kind) {
    case ChangeKind::Plus:
    case ChangeKind::Minus:
        return done + (change.kind == ChangeKind::Plus ? "+" : "-") + " on " +
               fieldText(CardCatalogue[change.card].name) + " in deck " + deckNumber(change.deck);
    case ChangeKind::Wipe:
        return done + "wipe of deck " + deckNumber(change.deck) + ", " +
               std::to_string(change.count) + (change.count == 1 ? " card" : " cards");
    case ChangeKind::Load: return done + "load of " + change.files[0];
    }
    return done;
}
