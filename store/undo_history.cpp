#include "store/undo_history.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <utility>

#include "store/deck_set.h"
#include "store/unsaved_changes.h"

namespace {

constexpr std::size_t AllCounts = sizeof(DeckSet) / sizeof(int32_t);
static_assert(sizeof(DeckSet) == DeckCount * CardCount * sizeof(int32_t), "no padding");

std::deque<CountChange> steps;
std::size_t done = 0; // steps[0..done) can be undone, the rest redone
std::size_t heldBytes = 0;

std::size_t bytesOf(const CountChange& change) {
    std::size_t bytes = sizeof change + change.counts.capacity() * sizeof(int32_t);
    for (const std::string& file : change.files)
        bytes += sizeof file + file.capacity();
    return bytes;
}

int32_t* liveCounts() {
    return &deckSet.decks[0].counts[0];
}

// The decks and the saved decks with their file, traded with the step's.
void swapLoad(CountChange& change) {
    DeckSet otherSaved;
    const bool ownSaved = change.counts.size() > AllCounts;
    std::memcpy(&otherSaved, change.counts.data() + (ownSaved ? AllCounts : 0), sizeof otherSaved);
    const bool liveSavedSame = !decksChangedSinceSave();
    change.counts.resize(liveSavedSame ? AllCounts : 2 * AllCounts);
    change.counts.shrink_to_fit();
    if (!liveSavedSame)
        std::memcpy(change.counts.data() + AllCounts, &savedDecks(), sizeof otherSaved);

    std::swap_ranges(change.counts.begin(), change.counts.begin() + AllCounts, liveCounts());
    std::string otherFile = std::move(change.files[1]);
    change.files[1] = savedFileName();
    restoreSavedDecks(otherSaved, std::move(otherFile));
}

void swapSides(CountChange& change) {
    heldBytes -= bytesOf(change);
    switch (change.kind) {
    case ChangeKind::Plus:
    case ChangeKind::Minus:
        std::swap(change.count, deckSet.decks[change.deck].counts[change.card]);
        break;
    case ChangeKind::Wipe:
        std::swap_ranges(change.counts.begin(), change.counts.end(),
                         deckSet.decks[change.deck].counts);
        break;
    case ChangeKind::Load: swapLoad(change); break;
    }
    heldBytes += bytesOf(change);
}

} // namespace

CountChange countEdit(ChangeKind kind, int deck, int card) {
    return CountChange{kind, deck, card, deckSet.decks[deck].counts[card], {}, {}};
}

CountChange deckWipe(int deck) {
    const int32_t* counts = deckSet.decks[deck].counts;
    return CountChange{ChangeKind::Wipe,
                       deck,
                       0,
                       ownedDistinct(deckSet.decks[deck]),
                       std::vector<int32_t>(counts, counts + CardCount),
                       {}};
}

CountChange decksLoad(const std::string& fileName) {
    CountChange change{ChangeKind::Load, 0, 0, 0, {}, {fileName, savedFileName()}};
    const bool savedSame = !decksChangedSinceSave();
    change.counts.reserve(savedSame ? AllCounts : 2 * AllCounts);
    change.counts.assign(liveCounts(), liveCounts() + AllCounts);
    if (!savedSame) {
        const int32_t* saved = &savedDecks().decks[0].counts[0];
        change.counts.insert(change.counts.end(), saved, saved + AllCounts);
    }
    return change;
}

void recordChange(CountChange change) {
    while (steps.size() > done) {
        heldBytes -= bytesOf(steps.back());
        steps.pop_back();
    }
    heldBytes += bytesOf(change);
    steps.push_back(std::move(change));
    ++done;
    while (heldBytes > UndoHistoryLimit && steps.size() > 1) {
        heldBytes -= bytesOf(steps.front());
        steps.pop_front();
        --done;
    }
}

const CountChange* undoChange() {
    if (done == 0) return nullptr;
    CountChange& change = steps[--done];
    swapSides(change);
    return &change;
}

const CountChange* redoChange() {
    if (done == steps.size()) return nullptr;
    CountChange& change = steps[done++];
    swapSides(change);
    return &change;
}

void resetUndoHistory() {
    steps.clear();
    steps.shrink_to_fit();
    done = 0;
    heldBytes = 0;
}

std::size_t undoHistorySteps() {
    return steps.size();
}

std::size_t undoHistoryBytes() {
    return heldBytes;
}
