#pragma once
// Where a command's output goes: the file after -o, written safely (all or nothing),
// or standard output when there is none or it is "-".
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "cli/cli.h"

// True when the output goes to a file (-o given and not "-").
bool outputToFile(const Arguments& args);

// How a text output ends its lines: CR LF in a file and on Windows, else LF.
const char* textLineEnd(const Arguments& args);

// Writes `bytes` where the arguments say; ExitSuccess, or ExitFailure with the message
// "Could not write OUT: REASON." (and "-o ''" a usage error of `command`).
int deliverOutput(const Arguments& args, CliOutput& io, std::string_view command,
                  const std::string& bytes);
