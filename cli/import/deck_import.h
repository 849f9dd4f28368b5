#pragma once
// One import of counts into a deck file, whatever the input's format: the decks it
// starts from (the base the dispatcher found: --onto, or the existing output under
// --replace or --add), two rows for one card (an error naming both lines, or with --sum
// one count), each count taken or with --add added to the base's, the range of counts, the dry run
// (--check), the summary of what changes against the file replaced, and the deck file's bytes. The
// rows' counts land as they are read, so an import keeps nothing per row.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/text/input_faults.h"
#include "store/deck_set.h"

// The options every import command takes (--deck each reads its own way).
extern const OptionRule ImportOptions[7];
// What every import declares: the base and the deck file it writes.
extern const CommandFiles ImportFiles;

struct DeckImport {
    std::string input; // the input's path, for messages
    int deck = -1;     // --deck: 0..4, or -1
    bool sum = false, replace = false, add = false;
    std::string basePath;           // the base's path, for messages; "" for none
    std::unique_ptr<DeckSet> decks; // the base's counts, else 0; the rows land here
    std::unique_ptr<DeckSet> base;  // what the summary compares against
    std::vector<int> firstLine;     // per card: the row that named it, or 0
    bool named[DeckCount] = {};     // the decks the input speaks for
    bool deckColumns = false;       // messages name the deck: the input has deckN columns
};

// One input format: how its rows reach the import.
struct ImportFormat {
    std::string_view command;   // "import-list"
    std::string_view needsDeck; // the usage error when --deck is missing; "" when optional
    std::string_view exporter;  // a deck file given as input: "a card list: export-list"
    // Reads every row of the UTF-8 text into the import; the faults in line order.
    void (*readRows)(std::span<char> text, DeckImport& import, InputFaults& faults);
};

// The whole import: options, the base, the input read and decoded, its rows, then the
// faults, or the summary and the deck file's bytes for the dispatcher to write.
int runImport(const ImportFormat& format, CommandRun& run);

// The input speaks for `deck`: with --replace it starts from 0 for every card.
void importDeck(DeckImport& import, int deck);

// One count of a row: as parseCount reads it (-1 for a deck the row does not fill),
// and as written, for the message when it is too large.
struct RowCount {
    long value = -1;
    std::string_view written;
};

// One row's counts of a card, per deck, checked against 0..MaxCount and the rows before.
void importRow(DeckImport& import, int line, int card, const RowCount (&counts)[DeckCount],
               InputFaults& faults);

// The input as UTF-8 text (from UTF-8, UTF-16 or Windows-1252); false, the message
// written, when it cannot be read or is a deck file.
bool readImportText(const ImportFormat& format, const std::string& input, std::string& text,
                    CliOutput& io);

// Each fault as "INPUT:LINE: reason", then how many more there were.
void reportImportFaults(const DeckImport& import, const InputFaults& faults, CliOutput& io);

// Reports the faults, or the summary and the deck file's bytes for the dispatcher to
// write; the exit status.
int finishImport(const DeckImport& import, const InputFaults& faults, CommandRun& run);
