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
    std::string theirs = folder.file("theirs.tvn"); // a friend's: counts 0..255 spread

    FullDecks() {
        DeckSet full{}, changed{}, friends{};
        for (int deck = 0; deck < DeckCount; ++deck)
            for (int card = 0; card < CardCount; ++card) {
                full.decks[deck].counts[card] = 1 + (card * 7 + deck) % 200;
                changed.decks[deck].counts[card] = full.decks[deck].counts[card] + 1;
                friends.decks[deck].counts[card] = (card * 13 + deck * 5) % 256;
            }
        testfiles::writeBytes(decks, encodeDeckFile(full));
        testfiles::writeBytes(other, encodeDeckFile(changed));
        testfiles::writeBytes(theirs, encodeDeckFile(friends));
        CliOutput io;
        runCli({"export-csv", decks, "-o", csv}, io);
    }
};

using Command = std::vector<std::string> (*)(const FullDecks& files);

void BM_Cli(benchmark::State& state, Command command, int expected) {
    FullDecks files;
    const std::vector<std::string> args = command(files);
    for (auto _ : state) {
        CliOutput io;
        if (runCli(args, io) != expected) state.SkipWithError(io.err.c_str());
        benchmark::DoNotOptimize(io.out.data());
    }
}

using Args = std::vector<std::string>;
BENCHMARK_CAPTURE(
    BM_Cli, export_csv_to_stdout,
    [](const FullDecks& f) {
        return Args{"export-csv", f.decks};
    },
    0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    BM_Cli, export_csv_to_file,
    [](const FullDecks& f) {
        return Args{"export-csv", f.decks, "-o", f.folder.file("out.csv")};
    },
    0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    BM_Cli, import_csv,
    [](const FullDecks& f) {
        return Args{"import-csv", f.csv, "-o", f.folder.file("out.tvn"), "--replace"};
    },
    0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    BM_Cli, stats,
    [](const FullDecks& f) {
        return Args{"stats", f.decks};
    },
    0)
    ->Unit(benchmark::kMillisecond);
// The longest output: all 8370 counts differ.
BENCHMARK_CAPTURE(
    BM_Cli, diff,
    [](const FullDecks& f) {
        return Args{"diff", f.decks, f.other};
    },
    1)
    ->Unit(benchmark::kMillisecond);

// The collection page: every card's row, the bars of five decks and the collection.
BENCHMARK_CAPTURE(
    BM_Cli, html_to_file,
    [](const FullDecks& f) {
        return Args{"html", f.decks, "-o", f.folder.file("page.html"), "--target", "3"};
    },
    0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    BM_Cli, wants,
    [](const FullDecks& f) {
        return Args{"wants", f.decks, "--target", "F=1,C=100,U=100,R=100,P=1"};
    },
    0)
    ->Unit(benchmark::kMillisecond);
// Two full deck files, one deck each against a target of 100: about half the cards
// go each way.
BENCHMARK_CAPTURE(
    BM_Cli, trade,
    [](const FullDecks& f) {
        return Args{"trade",  f.decks, f.theirs,       "--target", "100",
                    "--deck", "1",     "--their-deck", "1"};
    },
    0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    BM_Cli, trade_balanced_with_lists,
    [](const FullDecks& f) {
        return Args{"trade",       f.decks,
                    f.theirs,      "--target",
                    "100",         "--balanced",
                    "--give-list", f.folder.file("give.txt"),
                    "--get-list",  f.folder.file("get.txt")};
    },
    0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    BM_Cli, find_in_every_field,
    [](const FullDecks& f) {
        return Args{"find", "the", f.decks};
    },
    0)
    ->Unit(benchmark::kMillisecond);

} // namespace
