#include "cli/cli.h"

#include <exception>
#include <span>

#include "cli/command.h"
#include "cli/command_outputs.h"
#include "cli/text/input_excerpt.h"

#ifndef CARDHOLD_VERSION
#define CARDHOLD_VERSION "unknown"
#endif

namespace {

const CliCommand* const Commands[] = {
    &ExportCsvCommand, &ImportCsvCommand,  &ImportListCommand, &ExportListCommand,
    &StatsCommand,     &DiffCommand,       &WantsCommand,      &SparesCommand,
    &TradeCommand,     &ApplyTradeCommand, &FindCommand,       &HtmlCommand,
};

} // namespace

std::span<const CliCommand* const> cliCommands() {
    return Commands;
}

namespace {

std::string programHelp() {
    std::string help = "Usage: cardhold-cli COMMAND ARGUMENTS...\n"
                       "Cardhold's deck files outside the window: CSV and card-list export and "
                       "import,\nper-set completion, comparing deck files, want and spare lists, "
                       "trading with a\nfriend, finding a card, a collection page.\n\nCommands:\n";
    for (const CliCommand* command : Commands) {
        help += "  ";
        help += command->usage;
        help += "\n      ";
        help += command->summary;
        help += '\n';
    }
    help += "\nRun 'cardhold-cli COMMAND --help' for one command, 'cardhold-cli --version' for "
            "the version.\nExit status: 0 done; 1 diff found differences, find found no card, or "
            "trade\nfound no card to trade; 2 a usage error, an input that cannot be read or a "
            "file\nnot written (the message on standard error).\n";
    return help;
}

int runCommand(const CliCommand& command, std::span<const std::string> args, CliOutput& io) {
    Arguments parsed;
    std::string error;
    if (!parseArguments(args, command.options, parsed, error))
        return usageError(io, command.name, error);
    if (parsed.help) {
        io.out += commandHelp(command);
        return ExitSuccess;
    }
    CommandRun run{parsed, io, {}, {}};
    if (!resolveOutputs(command, run)) return ExitFailure;
    const std::size_t files = parsed.positional.size();
    if (files < command.fileCount || files > command.fileCount + command.optionalFileCount)
        return fileCountError(io, command, parsed);
    if (!guardOutputs(command, run)) return ExitFailure;
    return writeOutputs(command, run, command.run(run));
}

int runCliCommand(const std::vector<std::string>& args, CliOutput& io) {
    if (args.empty()) {
        io.err += programHelp();
        return ExitFailure;
    }
    const std::string& first = args.front();
    if (first == "--help" || first == "-h" || (first == "help" && args.size() == 1)) {
        io.out += programHelp();
        return ExitSuccess;
    }
    if (first == "help") // help COMMAND: that command's help
        return runCliCommand({args[1], "--help"}, io);
    if (first == "--version") {
        io.out += "cardhold-cli " CARDHOLD_VERSION "\n";
        return ExitSuccess;
    }
    for (const CliCommand* command : Commands)
        if (command->name == first) return runCommand(*command, std::span(args).subspan(1), io);
    return failure(io, "cardhold-cli: unknown command '" + inputExcerpt(first) +
                           "'\nRun 'cardhold-cli --help' for the commands.");
}

} // namespace

int runCli(const std::vector<std::string>& args, CliOutput& io) {
    try {
        return runCliCommand(args, io);
    } catch (const std::exception& error) { // out of memory, in practice
        io.err += std::string("cardhold-cli: ") + error.what() + "\n";
        return ExitFailure;
    }
}
