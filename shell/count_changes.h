#pragma once
// The commands that change counts from the window ("+", "-" and the wipe), and undo
// and redo of those and of a Load. Undoing or redoing keeps the current deck, the
// list's selection and the filters, shows what the change itself left on screen, and
// says in a tip what it undid or redid.
#include <string>

class Dialog;
struct CountChange;
enum class ChangeKind;

// Plus or Minus on the selected card in the current deck.
void changeSelectedCount(Dialog& dialog, ChangeKind kind);
void wipeCurrentDeck(Dialog& dialog);
void undoLastChange(Dialog& dialog);
void redoLastChange(Dialog& dialog);

// "Undone: + on Amber Horn in deck 1", "Redone: wipe of deck 2, 1004 cards", as UTF-8.
std::string describeChange(const CountChange& change, bool undone);
