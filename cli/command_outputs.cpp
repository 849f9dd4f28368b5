#include "cli/command_outputs.h"

#include <memory>

#include "cli/text/input_excerpt.h"
#include "files/deck_file_reader.h"
#include "files/file_identity.h"
#include "files/safe_file.h"
#include "store/deck_set.h"

namespace {

// Each kind of output in the words of a refusal: "choose another name for the list".
struct KindName {
    OutputKind kind;
    std::string_view words;
};

constexpr KindName KindNames[] = {
    {OutputKind::DeckFile, "deck file"}, {OutputKind::Report, "report"},
    {OutputKind::List, "list"},          {OutputKind::Csv, "CSV"},
    {OutputKind::Page, "page"},
};

std::string_view kindName(OutputKind kind) {
    for (const KindName& name : KindNames)
        if (name.kind == kind) return name.words;
    return {};
}

struct NamedFile {
    std::string path;
    FileIdentity identity;
};

std::vector<NamedFile> inputsOf(const CliCommand& command, const Arguments& args) {
    std::vector<NamedFile> inputs;
    for (std::size_t i = command.files.firstInput; i < args.positional.size(); ++i)
        inputs.push_back({args.positional[i], fileIdentity(args.positional[i])});
    for (const std::string_view option : command.files.inputOptions)
        if (args.has(option))
            inputs.push_back({args.value(option), fileIdentity(args.value(option))});
    return inputs;
}

bool holdsDeckFile(const std::string& path) {
    const auto decks = std::make_unique<DeckSet>();
    std::string reason;
    return readDeckFile(path, *decks, reason);
}

// An existing deck file is replaced only when the base names it: --onto the same
// file, --replace or --add.
bool mayReplaceDeckFile(const CliCommand& command, CommandRun& run, const std::string& path,
                        const FileIdentity& identity, const std::string& input) {
    const CommandFiles& files = command.files;
    const Arguments& args = run.args;
    const std::string shown = shownPath(path), base(files.base);
    if (!files.base.empty() && args.has(files.base)) {
        const std::string& basePath = args.value(files.base);
        if (!identity.sameFileAs(fileIdentity(basePath))) {
            failure(run.io, shown + " exists: " + base + " names " + shownPath(basePath) +
                                "; write to a new file, or give " + base + " " + shown);
            return false;
        }
    } else if (files.replace.empty()) { // apply-trade: it changes a deck file it starts from
        failure(run.io, shown + " exists: add " + base + " " + shown +
                            " to change it, or write to a new file.");
        return false;
    } else if (!args.has(files.replace) && !(!files.add.empty() && args.has(files.add))) {
        failure(run.io, shown + " exists: add " + base + " " + shown +
                            " to change only the counts in " + shownPath(input) + ", or " +
                            std::string(files.replace) + " to replace the decks it names.");
        return false;
    }
    run.base = path;
    return true;
}

} // namespace

bool resolveOutputs(const CliCommand& command, CommandRun& run) {
    const Arguments& args = run.args;
    for (const OutputRule& rule : command.files.outputs) {
        CommandOutput output;
        output.kind = rule.kind;
        for (const KindOption& option : rule.kindOptions)
            if (args.has(option.option)) output.kind = option.kind;
        if (args.has(rule.option)) {
            const std::string& name = args.value(rule.option);
            if (name.empty())
                return usageError(run.io, command.name,
                                  std::string(rule.option) +
                                      " needs a file name, or - for standard output"),
                       false;
            if (name != "-") output.path = name;
        }
        run.outputs.push_back(std::move(output));
    }
    const CommandFiles& files = command.files;
    run.check = !files.check.empty() && args.has(files.check);
    if (!files.base.empty() && args.has(files.base)) run.base = args.value(files.base);
    return true;
}

bool guardOutputs(const CliCommand& command, CommandRun& run) {
    const std::vector<NamedFile> inputs = inputsOf(command, run.args);
    std::vector<NamedFile> outputs;
    for (std::size_t i = 0; i < run.outputs.size(); ++i) {
        CommandOutput& output = run.outputs[i];
        if (output.path.empty()) continue;
        const std::string& path = output.path;
        const FileIdentity identity = fileIdentity(path);
        for (const NamedFile& input : inputs)
            if (identity.sameFileAs(input.identity))
                return failure(run.io, "Could not write " + shownPath(path) +
                                           ": it is the file being read."),
                       false;
        for (const NamedFile& other : outputs)
            if (identity.sameFileAs(other.identity))
                return failure(run.io, "Could not write " + shownPath(path) + ": " +
                                           shownPath(other.path) + " is that file too."),
                       false;
        outputs.push_back({path, identity});
        const WriteResult writable = checkWritable(path);
        if (!writable.ok)
            return failure(run.io, "Could not " + std::string(command.files.outputs[i].couldNot) +
                                       " " + shownPath(path) + ": " + writable.reason + "."),
                   false;
        if (!identity.found) continue;
        output.exists = true;
        const bool deckFile = holdsDeckFile(path);
        if (output.kind != OutputKind::DeckFile) {
            if (!deckFile) continue;
            return failure(run.io, shownPath(path) +
                                       " holds a deck file: choose another name for the " +
                                       std::string(kindName(output.kind))),
                   false;
        }
        if (!deckFile)
            return failure(run.io, shownPath(path) +
                                       " is not a deck file: choose another name for the " +
                                       std::string(kindName(output.kind))),
                   false;
        if (!mayReplaceDeckFile(command, run, path, identity,
                                inputs.empty() ? std::string() : inputs[0].path))
            return false;
    }
    return true;
}

int writeOutputs(const CliCommand& command, CommandRun& run, int status) {
    if (status != ExitSuccess || run.check) return status;
    for (std::size_t i = 0; i < run.outputs.size(); ++i) {
        const CommandOutput& output = run.outputs[i];
        if (!output.produced) continue;
        if (output.path.empty()) {
            run.io.out += output.bytes;
            continue;
        }
        const WriteResult written = writeFileSafely(output.path, output.bytes);
        if (!written.ok)
            return failure(run.io, "Could not " + std::string(command.files.outputs[i].couldNot) +
                                       " " + shownPath(output.path) + ": " + written.reason + ".");
        run.io.out += output.written;
    }
    return status;
}
