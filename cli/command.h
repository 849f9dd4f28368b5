#pragma once
// What every command is: its name, its usage line and help, the options it takes, the
// files it reads and writes, and the function that runs it once its arguments are
// checked. Also the few things the commands share: usage errors and reading a deck
// file.
//
// A command never opens an output itself: it declares its files (CommandFiles) and
// gives back the bytes of each output. The dispatcher, once for every command,
// resolves -o, refuses before anything is read an output that would lose a file (an
// input, another output, a deck file replaced by text, a file that is no deck file
// replaced by one, an existing deck file its base does not name), and writes each
// output once, safely. A new command declares, for example:
//
//   const std::string_view TradeInputs[] = {"--with"};       // options naming files read
//   const OutputRule TradeOutputs[] = {{"-o", "OUT.tvn", OutputKind::DeckFile, "save"}};
//   const CliCommand TradeCommand{"trade", "trade DECKFILE --with FILE -o OUT.tvn",
//                                 "what it does", "help after the usage line", Options, 1,
//                                 trade, {.inputOptions = TradeInputs,
//                                         .base = "--onto", .outputs = TradeOutputs}};
//
// and every check of the table test (tests/cli_output_test.cpp) covers it.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/cli.h"

struct DeckSet;

// What an output holds. The kind decides what it may replace (text never replaces a
// deck file, a deck file never replaces anything else) and names it in a refusal.
enum class OutputKind { DeckFile, Report, List, Csv, Page };

// An option that makes an output another kind: wants --csv writes CSV.
struct KindOption {
    std::string_view option;
    OutputKind kind;
};

// One file a command writes, named by an option; without the option, or given "-",
// the bytes go to standard output.
struct OutputRule {
    std::string_view option;      // "-o"
    std::string_view placeholder; // its value in the usage line: "OUT.csv"
    OutputKind kind;              // what it holds unless one of kindOptions is given
    std::string_view couldNot;    // "Could not COULD_NOT PATH: REASON.": "export to", "save"
    std::span<const KindOption> kindOptions = {};
};

// The files a command reads and writes. Its positional arguments from firstInput on
// name files it reads.
struct CommandFiles {
    std::size_t firstInput = 0;                          // find: 1 (the first is a text)
    std::span<const std::string_view> inputOptions = {}; // other options naming files read
    // The deck file the output starts from: this option's file, or under `replace` the
    // existing output itself. An output may be its base; an existing output may be
    // replaced only when it is its base.
    std::string_view base = {};    // "--onto"
    std::string_view replace = {}; // "--replace"
    std::string_view add = {};     // "--add": starts from the existing output as replace does
    std::string_view check = {};   // "--check": read everything, write nothing
    std::span<const OutputRule> outputs = {};
};

// One output as the dispatcher resolved it, and the bytes the command gives for it.
struct CommandOutput {
    std::string path; // empty: standard output
    OutputKind kind = OutputKind::Report;
    bool exists = false; // a deck file to be replaced (the base), or a text file
    std::string bytes;
    bool produced = false;
    std::string written; // said on standard output once the file is written
};

// What a command is given besides its arguments, and gives back.
struct CommandRun {
    const Arguments& args;
    CliOutput& io;
    std::vector<CommandOutput> outputs; // as declared
    std::string base; // the deck file to start from, "" for none (set by the dispatcher)
    bool check = false;

    bool toFile(std::size_t output = 0) const { return !outputs[output].path.empty(); }
    // How a text output ends its lines: CR LF in a file and on Windows; a POSIX
    // terminal or pipe gets its own line ends.
    const char* lineEnd(std::size_t output = 0) const;
    // The output's bytes, and what to say once they are written to its file.
    void produce(std::string bytes, std::string written = {}, std::size_t output = 0);
};

struct CliCommand {
    std::string_view name;
    std::string_view usage;   // "export-csv DECKFILE [-o OUT.csv] ...", said once
    std::string_view summary; // what it does, under the usage in the program's help
    std::string_view help;    // the command's --help after its usage line
    std::span<const OptionRule> options;
    std::size_t fileCount; // positional arguments it needs
    int (*run)(CommandRun& run);
    CommandFiles files = {};
    std::string_view takes = {};       // the files in words, "one deck file"
    std::size_t optionalFileCount = 0; // positional arguments it may take besides
};

// The commands, in the order the program's help lists them.
std::span<const CliCommand* const> cliCommands();

// "Usage: cardhold-cli USAGE" wrapped as the help shows it, then the help.
std::string commandHelp(const CliCommand& command);

// "cardhold-cli COMMAND: MESSAGE" and where to find the command's usage; ExitFailure.
int usageError(CliOutput& io, std::string_view command, std::string_view message);

// The usage error of a command given too many or too few files: "cardhold-cli:
// export-csv takes one deck file; give the output with -o OUT.csv".
int fileCountError(CliOutput& io, const CliCommand& command, const Arguments& args);

// Any other failure: the message on its own line; ExitFailure.
int failure(CliOutput& io, std::string_view message);

// Reads a deck file as the window does, or says "Could not load PATH: REASON.".
bool loadDeckArgument(const std::string& path, DeckSet& decks, CliOutput& io);

// "1 copy", "2 copies": a number with the word's singular or plural form.
std::string counted(long long count, std::string_view one, std::string_view many);

// The --deck option of a command: -1 for every deck when absent, else 0..4; -2 (and
// the usage error written) when it is not 1..5.
int deckOption(const Arguments& args, CliOutput& io, std::string_view command);

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
