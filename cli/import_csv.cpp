#include <memory>

#include "cli/command.h"
#include "cli/csv_counts.h"
#include "cli/export_csv.h"
#include "files/file_identity.h"
#include "files/safe_file.h"
#include "store/deck_file.h"
#include "store/deck_set.h"

namespace {

const OptionRule Options[] = {
    {"-o", true}, {"--onto", true}, {"--replace", false}, {"--deck", true}};

// Far beyond any real export (about 0.2 MB); the reader needs little beyond the bytes.
constexpr uint64_t CsvSizeLimit = 64u << 20;

int reportFaults(CliOutput& io, const std::string& path, const CsvFaults& faults) {
    for (const CsvFault& fault : faults.shown()) {
        io.err += path;
        if (fault.line > 0) io.err += ':' + std::to_string(fault.line);
        io.err += ": " + fault.reason + "\n";
    }
    if (const std::size_t rest = faults.more(); rest > 0)
        io.err +=
            path + ": " + std::to_string(rest) + (rest == 1 ? " more error\n" : " more errors\n");
    return ExitFailure;
}

int importCsv(const Arguments& args, CliOutput& io) {
    if (!args.has("-o")) return usageError(io, "import-csv", "-o DECKFILE is needed");
    CsvImportRules rules;
    rules.countDeck = deckOption(args, io, "import-csv");
    if (rules.countDeck < -1) return ExitFailure;
    rules.replace = args.has("--replace");
    const std::string& csvPath = args.positional[0];
    const std::string& deckPath = args.value("-o");
    if (outputIsInput(deckPath, csvPath, io)) return ExitFailure;
    // Writing over an existing deck file is a choice the user makes by name.
    if (!args.has("--onto") && !rules.replace && fileIdentity(deckPath).regularFile)
        return failure(io, deckPath + " exists: add --onto " + deckPath +
                               " to change only the counts in " + csvPath +
                               ", or --replace to replace all five decks.");
    const auto decks = std::make_unique<DeckSet>();
    if (args.has("--onto") && !loadDeckArgument(args.value("--onto"), *decks, io))
        return ExitFailure;

    ReadResult file = readFileBytes(csvPath, CsvSizeLimit);
    if (!file.ok) return failure(io, "Could not read " + csvPath + ": " + file.reason + ".");
    std::span<char> text(file.bytes);
    if (file.bytes.starts_with(Utf8ByteOrderMark)) text = text.subspan(3);
    CsvFaults faults;
    CsvReader table(text, detectCsvSeparator({text.data(), text.size()}), faults);
    applyCsvCounts(table, rules, *decks, faults);
    if (faults.any()) return reportFaults(io, csvPath, faults);

    const WriteResult written = writeFileSafely(deckPath, encodeDeckFile(*decks));
    if (!written.ok) return failure(io, "Could not save " + deckPath + ": " + written.reason + ".");
    return ExitSuccess;
}

} // namespace

const CliCommand ImportCsvCommand{
    "import-csv",
    "import-csv CSVFILE -o DECKFILE [--onto EXISTING] [--replace] [--deck N]\n      counts "
    "from CSV into a deck file",
    "Usage: cardhold-cli import-csv CSVFILE -o DECKFILE [--onto EXISTING] [--replace] [--deck N]\n"
    "Reads counts from CSV into a deck file. Rows are matched by the id column; the header\n"
    "names id and one or more of deck1..deck5 (any case, other columns ignored, so an\n"
    "exported file edited in a spreadsheet imports back). Separator ',' or ';' (found from\n"
    "the header); UTF-8 with or without a byte-order mark; lines end in CR LF, LF or CR.\n"
    "An empty count is 0; a row of empty cells is skipped; a row that stops before the\n"
    "last count column is an error. On any error (listed as FILE:LINE: reason) nothing\n"
    "is written and the status is 2.\n"
    "A DECKFILE that exists is changed only with --onto or --replace:\n\n"
    "  -o DECKFILE       the deck file to write (safely: all or nothing); never CSVFILE\n"
    "  --onto EXISTING   start from this deck file's counts and change only the cards\n"
    "                    the CSV names (EXISTING may be DECKFILE itself)\n"
    "  --replace         the decks the CSV has a column for take every count from it,\n"
    "                    0 for the cards it does not name; the other decks come from\n"
    "                    --onto, else they are 0\n"
    "  --deck N          read a column named count into deck N (1..5)\n",
    Options,
    1,
    importCsv,
    "one CSV file"};
