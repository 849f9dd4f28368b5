#pragma once
// What every import command shares once its reader has matched rows to cards: the
// decks it starts from (--onto, --replace), two rows for one card (an error, or
// added together with --sum), the range of counts, the dry run (--check), the
// summary of what changes, and writing the deck file.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/csv_reader.h"
#include "store/deck_set.h"

// The options every import command takes (with --deck, which each reads its own way).
extern const OptionRule ImportOptions[6];

// The inputs' size limit: far beyond any real collection (an export is about
// 0.2 MB), and small enough to hold in memory.
constexpr uint64_t ImportSizeLimit = 64u << 20;

// Faults past this many are counted, not listed; a reader works out nearest names
// only for the faults that will be listed.
constexpr std::size_t FaultsShown = 20;

struct ImportedCount {
    int line;
    int card;
    int deck;            // 0..4
    unsigned long count; // as read: the range is checked with the sums
};

struct ImportedRows {
    std::vector<ImportedCount> counts;
    std::vector<CsvFault> faults;
    bool decks[DeckCount] = {}; // the decks the input speaks for
};

struct ImportTarget {
    std::string command; // "import-csv"
    std::string input;   // the input's path, for messages
    std::string output;  // "" with --check and no -o
    bool check = false, sum = false, replace = false;
    std::unique_ptr<DeckSet> start;    // --onto's counts, else all 0
    std::unique_ptr<DeckSet> baseline; // what the summary compares against
};

// Checks the options and reads --onto; false (the message written) when the import
// cannot go on.
bool prepareImport(const Arguments& args, std::string_view command, ImportTarget& target,
                   CliOutput& io);

// Reads the input as text (UTF-8, UTF-16 or Windows-1252); false, the message
// written, when it cannot be read.
bool readImportText(const ImportTarget& target, std::string& text, CliOutput& io);

// Applies the rows, reports the faults and the summary, and writes the deck file
// unless there is a fault or --check; the exit status.
int finishImport(ImportTarget& target, ImportedRows& rows, CliOutput& io);
