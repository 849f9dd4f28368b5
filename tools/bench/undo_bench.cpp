// The memory the undo history holds after 10,000 steps of one kind: "+", a wipe of a
// full deck, a Load. Not a timing: the counters are what to read. "held" is the
// history's own count against its 10 MB bound, "heap" what the C library handed out
// for it (glibc only), "kept" the steps left once the bound dropped the oldest.
#include <benchmark/benchmark.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "store/deck_set.h"
#include "store/undo_history.h"
#include "store/unsaved_changes.h"

namespace {

double heapInUse() {
#if defined(__GLIBC__)
    return static_cast<double>(mallinfo2().uordblks);
#else
    return 0;
#endif
}

void recordOne(ChangeKind kind, int step) {
    const int card = step % CardCount;
    switch (kind) {
    case ChangeKind::Plus:
    case ChangeKind::Minus:
        recordChange(countEdit(kind, 0, card));
        incrementCount(0, card);
        break;
    case ChangeKind::Wipe:
        for (int32_t& count : deckSet.decks[0].counts)
            count = 1;
        recordChange(deckWipe(0));
        clearDeck(0);
        break;
    case ChangeKind::Load: recordChange(decksLoad("decks.tvn")); break;
    }
}

void UndoHistoryMemory(benchmark::State& state) {
    const auto kind = static_cast<ChangeKind>(state.range(0));
    double heap = 0;
    for (auto _ : state) {
        resetStore();
        resetSavedDecks();
        resetUndoHistory();
        const double before = heapInUse();
        for (int step = 0; step < 10000; ++step)
            recordOne(kind, step);
        heap = heapInUse() - before;
    }
    state.counters["held"] = static_cast<double>(undoHistoryBytes());
    state.counters["heap"] = heap;
    state.counters["kept"] = static_cast<double>(undoHistorySteps());
    resetUndoHistory();
}
BENCHMARK(UndoHistoryMemory)
    ->Arg(static_cast<int>(ChangeKind::Plus))
    ->Arg(static_cast<int>(ChangeKind::Wipe))
    ->Arg(static_cast<int>(ChangeKind::Load))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
