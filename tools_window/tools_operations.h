#pragma once
// Each task's fields as the console command that does it: the very argument vector
// cardhold-cli would be given, run in process by runCli. A preview is the same
// command writing nothing (--check for an import, standard output for the rest);
// the run writes to the file the user chose. The arguments are chosen so that the
// console's advice about options never applies: --onto whenever the deck file
// exists, --sum so repeated rows add up, --add or --replace as the user chose.
#include <string>
#include <vector>

#include "tools_window/tools_fields.h"

using CliArgs = std::vector<std::string>;

// What is known of the deck file the window works on.
struct DeckFileState {
    bool exists = false;   // an import starts from it (--onto) rather than making it
    bool readable = false; // the other tasks read it
};

// Why the task cannot run yet ("Choose the file to import."), or "" when it can.
std::string missingField(const ToolsFields& fields, DeckFileState deck);

// The command that shows what the task would do, writing nothing; empty for the page,
// which has no preview.
CliArgs previewArgs(const ToolsFields& fields, DeckFileState deck);

// The command that does it: an import writes the deck file; an export, a want or
// spare list (a CSV when `output` ends in .csv, else a card list) and the page write
// `output`.
CliArgs runArgs(const ToolsFields& fields, DeckFileState deck, const std::string& output);

// The trade's two lists written, or applied to the deck file (with --check first).
CliArgs tradeListArgs(const ToolsFields& fields, const std::string& give, const std::string& get);
CliArgs applyTradeArgs(const ToolsFields& fields, const std::string& give, const std::string& get,
                       bool check);

// True for a file the import reads as a CSV (by its name), else a card list.
bool isCsvName(const std::string& path);
