#include "cli/command.h"

#include "cli/cards/card_list_line.h"
#include "cli/text/input_excerpt.h"
#include "cli/text/text_decoding.h"
#include "files/deck_file_reader.h"

namespace {

// Enough of a text file to tell a CSV from a card list.
constexpr uint64_t TextPeek = 1u << 20;

std::string_view trimmedSpace(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// For a file of the wrong size that is text: which import reads it.
std::string textFileHint(DeckFileFault& fault) {
    std::string text, ignored;
    TextEncoding encoding;
    if (!fault.wrongSize || fault.bytes.empty() ||
        !decodeText(std::move(fault.bytes), text, encoding, ignored) ||
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

int usageHint(CliOutput& io, std::string_view command) {
    io.err += "Run 'cardhold-cli ";
    io.err += command;
    io.err += " --help' for its usage.\n";
    return ExitFailure;
}

// Where the help breaks a long usage line: before an option's bracket.
constexpr std::size_t HelpWidth = 88;

} // namespace

std::string commandHelp(const CliCommand& command) {
    const std::string start = "Usage: cardhold-cli ";
    const std::string indent(start.size() + command.name.size() + 1, ' ');
    std::string help = start;
    std::size_t lineStart = 0;
    std::string_view rest = command.usage;
    while (!rest.empty()) {
        const std::size_t next = rest.find(" [", 1);
        const std::string_view word = rest.substr(0, next);
        rest.remove_prefix(word.size());
        if (help.size() - lineStart + word.size() > HelpWidth && word.starts_with(" [")) {
            help += '\n';
            lineStart = help.size();
            help += indent;
            help += word.substr(1);
        } else {
            help += word;
        }
    }
    return (help += '\n') += command.help;
}

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
    const std::size_t most = command.fileCount + command.optionalFileCount;
    if (args.positional.size() > most) {
        const std::span<const OutputRule> outputs = command.files.outputs;
        if (!outputs.empty() && !args.has(outputs[0].option))
            io.err += "; give the output with " + std::string(outputs[0].option) + " " +
                      std::string(outputs[0].placeholder);
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

bool loadDeckArgument(const std::string& path, DeckSet& decks, CliOutput& io) {
    DeckFileFault fault;
    if (readDeckFile(path, decks, fault, TextPeek)) return true;
    failure(io,
            "Could not load " + shownPath(path) + ": " + fault.reason + textFileHint(fault) + ".");
    return false;
}

const char* CommandRun::lineEnd(std::size_t output) const {
#ifdef _WIN32
    (void)output;
    return "\r\n";
#else
    return toFile(output) ? "\r\n" : "\n";
#endif
}

void CommandRun::produce(std::string bytes, std::string written, std::size_t output) {
    CommandOutput& out = outputs[output];
    out.bytes = std::move(bytes);
    out.written = std::move(written);
    out.produced = true;
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
