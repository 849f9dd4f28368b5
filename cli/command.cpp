#include "cli/command.h"

#include "cli/cards/card_list_line.h"
#include "cli/text/input_excerpt.h"
#include "cli/text/text_decoding.h"
#include "files/deck_file_reader.h"
#include "files/file_identity.h"
#include "files/safe_file.h"

namespace {

int usageHint(CliOutput& io, std::string_view command) {
    io.err += "Run 'cardhold-cli ";
    io.err += command;
    io.err += " --help' for its usage.\n";
    return ExitFailure;
}

std::string_view trimmedSpace(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// The placeholder of -o in the command's usage line: "OUT.csv", "DECKFILE".
std::string_view outputPlaceholder(const CliCommand& command) {
    std::string_view usage = command.help.substr(0, command.help.find('\n'));
    const std::size_t at = usage.find("-o ");
    if (at == std::string_view::npos) return {};
    usage.remove_prefix(at + 3);
    return usage.substr(0, usage.find_first_of(" ]"));
}

} // namespace

int usageError(CliOutput& io, std::string_view command, std::string_view message) {
    io.err += "cardhold-cli ";
    io.err += command;
    io.err += ": ";
    io.err += message;
    io.err += '\n';
    return usageHint(io, command);
}

int fileCountError(CliOutput& io, const CliCommand& command, const Arguments& args) {
    io.err += "cardhold-cli: ";
    io.err += command.name;
    io.err += " takes ";
    io.err += command.takes.empty()
                  ? counted(static_cast<long long>(command.fileCount), "file", "files")
                  : std::string(command.takes);
    const std::string_view output = outputPlaceholder(command);
    const std::size_t most = command.fileCount + command.optionalFileCount;
    if (args.positional.size() > most) {
        if (!output.empty() && !args.has("-o"))
            io.err += "; give the output with -o " + std::string(output);
        else
            io.err += "; '" + inputExcerpt(args.positional[most]) + "' was not expected";
    }
    io.err += '\n';
    return usageHint(io, command.name);
}

int failure(CliOutput& io, std::string_view message) {
    io.err += message;
    io.err += '\n';
    return ExitFailure;
}

bool outputIsInput(const std::string& output, const std::string& input, CliOutput& io) {
    if (!fileIdentity(output).sameFileAs(fileIdentity(input))) return false;
    failure(io, "Could not write " + shownPath(output) + ": it is the file being read.");
    return true;
}

namespace {

// For a file of the wrong size that is text: which import reads it.
std::string textFileHint(const std::string& path) {
    constexpr uint64_t TextPeek = 1u << 20;
    ReadResult file = readFileBytes(path, TextPeek);
    std::string text, ignored;
    TextEncoding encoding;
    if (!file.ok || !decodeText(std::move(file.bytes), text, encoding, ignored) ||
        text.find('\0') != std::string::npos || trimmedSpace(text).empty())
        return "";
    const std::string_view start = trimmedSpace(text);
    const std::string_view header = start.substr(0, start.find_first_of("\r\n"));
    if (header.find_first_of(",;\t") != std::string_view::npos)
        return "; it looks like a CSV: import it with import-csv";
    if (matchCardListEntry(parseCardListLine(header), false).card >= 0)
        return "; it looks like a card list: import it with import-list";
    return "";
}

} // namespace

bool loadDeckArgument(const std::string& path, DeckSet& decks, CliOutput& io) {
    std::string reason;
    if (readDeckFile(path, decks, reason)) return true;
    if (reason.starts_with("wrong size")) reason += textFileHint(path);
    failure(io, "Could not load " + shownPath(path) + ": " + reason + ".");
    return false;
}

bool outputToFile(const Arguments& args) {
    return args.has("-o") && args.value("-o") != "-";
}

const char* textLineEnd(const Arguments& args) {
#ifdef _WIN32
    (void)args;
    return "\r\n";
#else
    return outputToFile(args) ? "\r\n" : "\n";
#endif
}

int writeOutput(const Arguments& args, std::string_view bytes, std::string_view couldNot,
                CliOutput& io) {
    if (!outputToFile(args)) {
        io.out += bytes;
        return ExitSuccess;
    }
    const std::string& path = args.value("-o");
    const WriteResult written = writeFileSafely(path, bytes);
    if (!written.ok)
        return failure(io, "Could not " + std::string(couldNot) + " " + shownPath(path) + ": " +
                               written.reason + ".");
    return ExitSuccess;
}

int deckOption(const Arguments& args, CliOutput& io, std::string_view command) {
    if (!args.has("--deck")) return -1;
    const int deck = parseDeckNumber(args.value("--deck"));
    if (deck >= 0) return deck;
    usageError(io, command, "--deck takes a deck number, 1 to 5");
    return -2;
}

std::string counted(long long count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}
