// Each cardhold-cli command on a full deck file (every card counted in every deck),
// in-process, files on disk included; only starting the process is left out.
#include <benchmark/benchmark.h>

#include "cli/cli.h"
#include "store/deck_file.h"
#include "tests/support/temp_folder.h"

namespace {

struct FullDecks {
    testfiles::TempFolder folder;
    std::string decks = folder.file("decks.tvn");
    std::string other = folder.file("other.tvn"); // every count different
    std::string csv = folder.file("decks.csv");

    FullDecks() {
        DeckSet full{}, changed{};
        for (int deck = 0; deck < DeckCount; ++deck)
            for (int card = 0; card < CardCount; ++card) {
                full.decks[deck].counts[card] = 1 + (card * 7 + deck) % 200;
                changed.decks[deck].counts[card] = full.decks[deck].counts[card] + 1;
            }
        testfiles::writeBytes(decks, encodeDeckFile(full));
        testfiles::writeBytes(other, encodeDeckFile(changed));
        CliOutput io;
        runCli({"export-csv", decks, "-o", csv}, io);
    }
};

void runCommand(benchmark::State& state, const std::vector<std::string>& args, int expected) {
    for (auto _ : state) {
        CliOutput io;
        if (runCli(args, io) != expected) state.SkipWithError(io.err.c_str());
        benchmark::DoNotOptimize(io.out.data());
    }
}

void BM_CliExportCsvToStdout(benchmark::State& state) {
    FullDecks files;
    runCommand(state, {"export-csv", files.decks}, 0);
}
BENCHMARK(BM_CliExportCsvToStdout)->Unit(benchmark::kMillisecond);

void BM_CliExportCsvToFile(benchmark::State& state) {
    FullDecks files;
    runCommand(state, {"export-csv", files.decks, "-o", files.folder.file("out.csv")}, 0);
}
BENCHMARK(BM_CliExportCsvToFile)->Unit(benchmark::kMillisecond);

void BM_CliImportCsv(benchmark::State& state) {
    FullDecks files;
    runCommand(state, {"import-csv", files.csv, "-o", files.folder.file("out.tvn")}, 0);
}
BENCHMARK(BM_CliImportCsv)->Unit(benchmark::kMillisecond);

void BM_CliStats(benchmark::State& state) {
    FullDecks files;
    runCommand(state, {"stats", files.decks}, 0);
}
BENCHMARK(BM_CliStats)->Unit(benchmark::kMillisecond);

// The longest output: all 8370 counts differ.
void BM_CliDiff(benchmark::State& state) {
    FullDecks files;
    runCommand(state, {"diff", files.decks, files.other}, 1);
}
BENCHMARK(BM_CliDiff)->Unit(benchmark::kMillisecond);

} // namespace
