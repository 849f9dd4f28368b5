#pragma once
// The console program, run in-process: the arguments after the program's name in,
// the bytes for standard output and standard error and the exit status out. The
// platform's entry point does nothing but fetch the arguments as UTF-8 and write the
// two outputs where they belong.
#include <string>
#include <vector>

struct CliOutput {
    std::string out; // UTF-8 text, or the CSV bytes of export-csv
    std::string err; // UTF-8 text, one message a line
};

constexpr int ExitSuccess = 0;
constexpr int ExitDifferent = 1; // diff: the two files hold different counts
constexpr int ExitNotFound = 1;  // find: no card matches; trade: no card to trade
constexpr int ExitFailure = 2;   // a usage error, or an input that cannot be read

int runCli(const std::vector<std::string>& args, CliOutput& io);
