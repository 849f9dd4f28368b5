#pragma once
// What every import command shares once its reader has matched a row to a card: the
// decks it starts from (--onto, --replace), two rows for one card (an error naming
// both lines, or with --sum one count), the range of counts, the dry run (--check),
// the summary of what changes, and writing the deck file. The rows' counts land as
// they are read, so an import keeps nothing per row.
#include <memory>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/text/csv_reader.h"
#include "store/deck_set.h"

// The options every import command takes (--deck each reads its own way).
extern const OptionRule ImportOptions[6];

struct DeckImport {
    std::string command; // "import-csv"
    std::string input;   // the input's path, for messages
    std::string output;  // "" with --check and no -o; "-" for standard output
    bool check = false, sum = false, replace = false;
    std::unique_ptr<DeckSet> decks;    // --onto's counts, else 0; the rows land here
    std::unique_ptr<DeckSet> baseline; // what the summary compares against
    std::vector<int> firstLine;        // per card: the row that named it, or 0
    bool deckColumns = false;          // messages name the deck: the input has deckN columns
};

// Checks the options, refuses an output that is the input or an existing file not
// named by --onto or --replace, and reads --onto; false (the message written) when
// the import cannot go on.
bool prepareImport(const Arguments& args, std::string_view command, DeckImport& target,
                   CliOutput& io);

// The input as UTF-8 text (from UTF-8, UTF-16 or Windows-1252); false, the message
// written, when it cannot be read or is a deck file.
bool readImportText(const DeckImport& target, std::string& text, CliOutput& io);

// The input speaks for `deck`: with --replace it starts from 0 for every card.
void importDeck(DeckImport& target, int deck);

// One row's counts of a card, per deck (-1 for a deck it does not fill), checked
// against 0..255 and the rows before.
void importRow(DeckImport& target, int line, int card, const long (&counts)[DeckCount],
               InputFaults& faults);

// Each fault as "INPUT:LINE: reason", then how many more there were.
void reportImportFaults(const DeckImport& target, const InputFaults& faults, CliOutput& io);

// Reports the faults, or the summary and (unless --check) writes the deck file; the
// exit status.
int finishImport(DeckImport& target, const InputFaults& faults, CliOutput& io);
