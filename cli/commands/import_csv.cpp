#include "cli/command.h"
#include "cli/import/csv_counts.h"
#include "cli/import/deck_import.h"

namespace {

void readCsvRows(std::span<char> text, DeckImport& import, InputFaults& faults) {
    CsvReader table(text, faults);
    readCsvCounts(table, import, faults);
}

constexpr ImportFormat Csv{"import-csv", "", "a CSV: export-csv", readCsvRows};

int importCsv(CommandRun& run) {
    return runImport(Csv, run);
}

} // namespace

const CliCommand ImportCsvCommand{
    "import-csv",
    "import-csv CSVFILE -o DECKFILE [--deck N] [--onto FILE] [--replace | --add] [--sum] [--check]",
    "counts from CSV into a deck file",
    "Reads counts from CSV into a deck file. The header names the columns (any case,\n"
    "other columns ignored, so an exported file edited in a spreadsheet imports back):\n"
    "  counts   deck1..deck5, or one of count, quantity, qty with --deck N\n"
    "  card     id or card id (GW158); else set code or set with collector number,\n"
    "           card number or number (158, 7, GW158); else name, card name or card,\n"
    "           with set, edition or set name if the name is not unique (the set's\n"
    "           name, its full name or its two-letter code)\n"
    "Names are matched without case, accents, hyphens and apostrophes. Separator ',',\n"
    "';' or tab (found from the header, or a first line sep=;); UTF-8, UTF-16 or\n"
    "Windows-1252; lines end in CR LF, LF or CR. An empty count is 0; a row of empty\n"
    "cells is skipped; a row that stops before the last column used is an error. On any\n"
    "error (listed as FILE:LINE: reason) nothing is written and the status is 2; else a\n"
    "summary of what changed. A DECKFILE that exists is changed only with --onto,\n"
    "--replace or --add:\n\n"
    "  -o DECKFILE    the deck file to write (safely: all or nothing; never CSVFILE);\n"
    "                 - for standard output\n"
    "  --deck N       read the count column into deck N (1..5)\n"
    "  --onto FILE    start from this deck file's counts and change only the cards the\n"
    "                 CSV names (FILE is DECKFILE itself when DECKFILE exists)\n"
    "  --replace      the decks the CSV has a column for take every count from it, 0 for\n"
    "                 the cards it does not name; the other decks are kept from DECKFILE\n"
    "                 (or --onto), else they are 0\n"
    "  --add          add each count to what DECKFILE (or --onto) holds for that card in\n"
    "                 that deck, as for a binder of new copies; a total past 255 is an error\n"
    "  --sum          add up rows for the same card instead of refusing them\n"
    "  --check        read and match everything, show what would change, write nothing\n",
    ImportOptions,
    1,
    importCsv,
    ImportFiles,
    "one CSV file"};
