#pragma once
// What every command is: its name, its help, the options it takes and how many
// files it names, and the function that runs it once its arguments are checked.
// Also the few things the commands share: usage errors and reading a deck file.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "cli/cli.h"

struct DeckSet;

struct CliCommand {
    std::string_view name;
    std::string_view summary; // one line for the program's help
    std::string_view help;    // the command's --help, usage line first
    std::span<const OptionRule> options;
    std::size_t fileCount; // positional arguments it needs
    int (*run)(const Arguments& args, CliOutput& io);
    std::string_view takes = {};       // the files in words, "one deck file"
    std::size_t optionalFileCount = 0; // positional arguments it may take besides
};

extern const CliCommand ExportCsvCommand;
extern const CliCommand ImportCsvCommand;
extern const CliCommand StatsCommand;
extern const CliCommand DiffCommand;
extern const CliCommand WantsCommand;
extern const CliCommand SparesCommand;
extern const CliCommand FindCommand;
extern const CliCommand HtmlCommand;
extern const CliCommand ImportListCommand;
extern const CliCommand ExportListCommand;
extern const CliCommand TradeCommand;
extern const CliCommand ApplyTradeCommand;

// "cardhold-cli COMMAND: MESSAGE" and where to find the command's usage; ExitFailure.
int usageError(CliOutput& io, std::string_view command, std::string_view message);

// The usage error of a command given too many or too few files: "cardhold-cli:
// export-csv takes one deck file; give the output with -o OUT.csv".
int fileCountError(CliOutput& io, const CliCommand& command, const Arguments& args);

// Any other failure: the message on its own line; ExitFailure.
int failure(CliOutput& io, std::string_view message);

// True, with the message written, when the file `output` names is the one `input`
// names, however the two are spelt: a command never writes over what it reads.
bool outputIsInput(const std::string& output, const std::string& input, CliOutput& io);

// Reads a deck file as the window does, or says "Could not load PATH: REASON.".
bool loadDeckArgument(const std::string& path, DeckSet& decks, CliOutput& io);

// True when the output goes to a file (-o given and not "-").
bool outputToFile(const Arguments& args);

// How a text output ends its lines: CR LF in a file and on Windows; a POSIX terminal
// or pipe gets its own line ends.
const char* textLineEnd(const Arguments& args);

// A command's output: to standard output without -o or with "-o -", else written
// safely to the file ("Could not COULD_NOT PATH: REASON." when that fails, COULD_NOT
// being "export to" or "write").
int writeOutput(const Arguments& args, std::string_view bytes, std::string_view couldNot,
                CliOutput& io);

// "1 copy", "2 copies": a number with the word's singular or plural form.
std::string counted(long long count, std::string_view one, std::string_view many);

// The --deck option of a command: -1 for every deck when absent, else 0..4; -2 (and
// the usage error written) when it is not 1..5.
int deckOption(const Arguments& args, CliOutput& io, std::string_view command);
