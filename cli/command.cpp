#include "cli/command.h"

#include "files/deck_file_reader.h"
#include "files/file_identity.h"

int usageError(CliOutput& io, std::string_view command, std::string_view message) {
    io.err += "cardhold-cli ";
    io.err += command;
    io.err += ": ";
    io.err += message;
    io.err += "\nRun 'cardhold-cli ";
    io.err += command;
    io.err += " --help' for its usage.\n";
    return ExitFailure;
}

int failure(CliOutput& io, std::string_view message) {
    io.err += message;
    io.err += '\n';
    return ExitFailure;
}

bool outputIsInput(const std::string& output, const std::string& input, CliOutput& io) {
    if (!fileIdentity(output).sameFileAs(fileIdentity(input))) return false;
    failure(io, "Could not write " + output + ": it is the file being read.");
    return true;
}

bool loadDeckArgument(const std::string& path, DeckSet& decks, CliOutput& io) {
    std::string reason;
    if (readDeckFile(path, decks, reason)) return true;
    failure(io, "Could not load " + path + ": " + reason + ".");
    return false;
}

int deckOption(const Arguments& args, CliOutput& io, std::string_view command) {
    if (!args.has("--deck")) return -1;
    const int deck = parseDeckNumber(args.value("--deck"));
    if (deck >= 0) return deck;
    usageError(io, command, "--deck takes a deck number, 1 to 5");
    return -2;
}
