// The file commands' own work, without the choosers: encoding and safely writing a
// deck file, reading and decoding one, and building and writing the largest report.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "reports/deck_report.h"
#include "files/deck_file_reader.h"
#include "files/safe_file.h"
#include "store/deck_file.h"
#include "store/deck_set.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

void fillDecks() {
    for (int deck = 0; deck < DeckCount; ++deck)
        for (int card = 0; card < CardCount; ++card)
            deckSet.decks[deck].counts[card] = (card * 7 + deck) % 5;
}

void BM_EncodeDeckFile(benchmark::State& state) {
    fillDecks();
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeDeckFile(deckSet));
}
BENCHMARK(BM_EncodeDeckFile);

void BM_DecodeDeckFile(benchmark::State& state) {
    fillDecks();
    const std::string bytes = encodeDeckFile(deckSet);
    DeckSet decks;
    for (auto _ : state) {
        benchmark::DoNotOptimize(decodeDeckFile(bytes, decks));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DecodeDeckFile);

void BM_SaveDeckFile(benchmark::State& state) {
    testfiles::TempFolder folder;
    const std::string path = folder.file("decks.tvn");
    fillDecks();
    for (auto _ : state) {
        const WriteResult result = writeFileSafely(path, encodeDeckFile(deckSet));
        if (!result.ok) state.SkipWithError(result.reason.c_str());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * DeckFileSize));
}
BENCHMARK(BM_SaveDeckFile)->Unit(benchmark::kMicrosecond);

void BM_LoadDeckFile(benchmark::State& state) {
    testfiles::TempFolder folder;
    const std::string path = folder.file("decks.tvn");
    fillDecks();
    writeFileSafely(path, encodeDeckFile(deckSet));
    DeckSet decks;
    for (auto _ : state) {
        std::string reason;
        if (!readDeckFile(path, decks, reason)) state.SkipWithError(reason.c_str());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * DeckFileSize));
}
BENCHMARK(BM_LoadDeckFile)->Unit(benchmark::kMicrosecond);

// Needs Detailed of an empty deck: all 1674 cards, four lines each.
void BM_BuildLargestReport(benchmark::State& state) {
    resetStore();
    std::size_t size = 0;
    for (auto _ : state) {
        std::string out;
        writeDeckReport(
            out, 0,
            {DeckReportKind::Needs, DeckReportKind::Detailed, DeckReportKind::WholeCatalogue});
        size = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_BuildLargestReport)->Unit(benchmark::kMicrosecond);

void BM_ExportLargestReport(benchmark::State& state) {
    testfiles::TempFolder folder;
    const std::string path = folder.file("needs.txt");
    resetStore();
    for (auto _ : state) {
        std::string out;
        writeDeckReport(
            out, 0,
            {DeckReportKind::Needs, DeckReportKind::Detailed, DeckReportKind::WholeCatalogue});
        const WriteResult result = writeFileSafely(path, out);
        if (!result.ok) state.SkipWithError(result.reason.c_str());
    }
}
BENCHMARK(BM_ExportLargestReport)->Unit(benchmark::kMicrosecond);

} // namespace
