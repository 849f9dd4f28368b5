#include <memory>

#include "cli/command.h"
#include "cli/csv_counts.h"
#include "cli/export_csv.h"
#include "files/safe_file.h"
#include "store/deck_file.h"
#include "store/deck_set.h"

namespace {

const OptionRule Options[] = {{"-o", true}, {"--onto", true}, {"--deck", true}};

// Far beyond any real export (about 0.2 MB), and small enough to hold in memory.
constexpr uint64_t CsvSizeLimit = 64u << 20;
constexpr std::size_t FaultsShown = 20;

int reportFaults(CliOutput& io, const std::string& path, const std::vector<CsvFault>& faults) {
    for (std::size_t i = 0; i < faults.size() && i < FaultsShown; ++i)
        io.err += path + ":" + std::to_string(faults[i].line) + ": " + faults[i].reason + "\n";
    if (faults.size() > FaultsShown) {
        const std::size_t rest = faults.size() - FaultsShown;
        io.err +=
            path + ": " + std::to_string(rest) + (rest == 1 ? " more error\n" : " more errors\n");
    }
    return ExitFailure;
}

int importCsv(const Arguments& args, CliOutput& io) {
    if (!args.has("-o")) return usageError(io, "import-csv", "-o DECKFILE is needed");
    const int countDeck = deckOption(args, io, "import-csv");
    if (countDeck < -1) return ExitFailure;
    const auto decks = std::make_unique<DeckSet>();
    if (args.has("--onto") && !loadDeckArgument(args.value("--onto"), *decks, io))
        return ExitFailure;

    const std::string& csvPath = args.positional[0];
    const ReadResult file = readFileBytes(csvPath, CsvSizeLimit);
    if (!file.ok) return failure(io, "Could not read " + csvPath + ": " + file.reason + ".");
    std::string_view text = file.bytes;
    if (text.starts_with(Utf8ByteOrderMark)) text.remove_prefix(3);
    const CsvTable table = parseCsv(text, detectCsvSeparator(text));
    const std::vector<CsvFault> faults = applyCsvCounts(table, countDeck, *decks);
    if (!faults.empty()) return reportFaults(io, csvPath, faults);

    const std::string& deckPath = args.value("-o");
    const WriteResult written = writeFileSafely(deckPath, encodeDeckFile(*decks));
    if (!written.ok) return failure(io, "Could not save " + deckPath + ": " + written.reason + ".");
    return ExitSuccess;
}

} // namespace

const CliCommand ImportCsvCommand{
    "import-csv",
    "import-csv CSVFILE -o DECKFILE [--onto EXISTING] [--deck N]\n      counts from CSV into a "
    "deck file",
    "Usage: cardhold-cli import-csv CSVFILE -o DECKFILE [--onto EXISTING] [--deck N]\n"
    "Reads counts from CSV into a deck file. Rows are matched by the id column; the header\n"
    "names id and one or more of deck1..deck5 (any case, other columns ignored, so an\n"
    "exported file edited in a spreadsheet imports back). Separator ',' or ';' (found from\n"
    "the header); UTF-8 with or without a byte-order mark; an empty count is 0.\n"
    "On any error (listed as FILE:LINE: reason) nothing is written and the status is 2.\n\n"
    "  -o DECKFILE       the deck file to write (safely: all or nothing)\n"
    "  --onto EXISTING   start from this deck file's counts instead of all 0\n"
    "  --deck N          read a column named count into deck N (1..5)\n",
    Options,
    1,
    importCsv,
    "one CSV file"};
