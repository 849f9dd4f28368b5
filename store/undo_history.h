#pragma once
// The changes of counts made in this run, for undo and redo: "+" and "-" that changed
// a count, a wipe, a Load that read a file. Each step holds, as plain data, the other
// side of what it changed, so undoing swaps it with the live counts and redoing swaps
// it back. The steps held take at most UndoHistoryLimit bytes; past that the oldest
// are dropped. Saving is no change.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class ChangeKind { Plus, Minus, Wipe, Load };

struct CountChange {
    ChangeKind kind = ChangeKind::Plus;
    int deck = 0; // Plus, Minus, Wipe
    int card = 0; // Plus, Minus
    // Plus, Minus: the count on the other side. Wipe: how many cards the deck held.
    int32_t count = 0;
    // Wipe: the deck's 1674 counts on the other side. Load: the five decks', then the
    // saved decks' when they differ from those.
    std::vector<int32_t> counts;
    // Load: the file read, then the saved decks' file on the other side.
    std::vector<std::string> files;
};

constexpr std::size_t UndoHistoryLimit = 10 * 1024 * 1024;

// Each taken just before the change it describes.
CountChange countEdit(ChangeKind kind, int deck, int card);
CountChange deckWipe(int deck);
CountChange decksLoad(const std::string& fileName);

// After the change: the step becomes the last to undo, and nothing is left to redo.
void recordChange(CountChange change);
// The step undone or redone, or nullptr when there is none. Valid until the next change.
const CountChange* undoChange();
const CountChange* redoChange();

void resetUndoHistory();
std::size_t undoHistorySteps();
std::size_t undoHistoryBytes();
