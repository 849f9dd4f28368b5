// A filter click (list rebuild plus panel refresh) and the whole start-up sequence,
// against the in-memory dialog.
#include <benchmark/benchmark.h>

#include "ui/control_ids.h"
#include "shell/main_dialog.h"
#include "tests/support/memory_dialog.h"

namespace {

void StartUp(benchmark::State& state) {
    for (auto _ : state) {
        MemoryDialog dialog;
        resetProgramState();
        onInitDialog(dialog);
        benchmark::DoNotOptimize(dialog.listSize());
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMicrosecond);

// Unticking and reticking a set box: two rebuilds per iteration, one of them full.
void FilterClick(benchmark::State& state) {
    MemoryDialog dialog;
    resetProgramState();
    onInitDialog(dialog);
    for (auto _ : state) {
        dialog.click(IDC_SET_ASHFALL);
        dialog.click(IDC_SET_ASHFALL);
        benchmark::DoNotOptimize(dialog.listSize());
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(FilterClick)->Unit(benchmark::kMicrosecond);

void ListSelection(benchmark::State& state) {
    MemoryDialog dialog;
    resetProgramState();
    onInitDialog(dialog);
    int position = 0;
    for (auto _ : state) {
        dialog.select(position);
        position = (position + 397) % 1674;
    }
}
BENCHMARK(ListSelection)->Unit(benchmark::kMicrosecond);

} // namespace
