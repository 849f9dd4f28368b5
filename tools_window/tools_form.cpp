#include "tools_window/tools_form.h"

#include "cli/cli.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

const char* const ReloadNote = "If Cardhold has this file open, Load it again to see the change.\n";

// The console's words about its own options, in the window's: the controls make option
// errors impossible, and the window says itself that a preview wrote nothing. The only
// texts naming an option that the window's commands can give.
struct Rewording {
    std::string_view console, window;
};
constexpr Rewording WindowWords[] = {
    {"--check: nothing written\n", ""},
    {"a count column needs --deck N", "This file has one count column: choose the deck it fills."},
    {"no count column for --deck (count, quantity or qty)",
     "This file has no count column (count, quantity or qty) to fill the deck chosen."},
    {"can spare at --keep ", "can spare at your keep of "},
    {"can spare at --their-keep ", "can spare at their keep of "},
};

std::string inWindowWords(std::string text) {
    for (const Rewording& words : WindowWords)
        for (std::size_t at = text.find(words.console); at != std::string::npos;
             at = text.find(words.console, at + words.window.size()))
            text.replace(at, words.console.size(), words.window);
    return text;
}

} // namespace

ToolsOutcome runTool(const CliArgs& args) {
    CliOutput io;
    ToolsOutcome outcome;
    outcome.status = runCli(args, io);
    if (io.out.starts_with(ByteOrderMark)) io.out.erase(0, ByteOrderMark.size());
    outcome.text = inWindowWords(io.out + io.err);
    return outcome;
}

void ToolsForm::setFields(const ToolsFields& fields) {
    if (fields == fields_) return;
    const bool newDeckFile = fields.deckFile != fields_.deckFile;
    fields_ = fields;
    cleanPreview_ = false;
    tradeGive_.clear();
    tradeGet_.clear();
    if (newDeckFile) deck_ = describeDeckFile(fields_.deckFile);
}

bool ToolsForm::canPreview() const {
    return fields_.task != ToolsTask::Page && missing().empty();
}

bool ToolsForm::canRun() const {
    if (!missing().empty()) return false;
    return fields_.task != ToolsTask::Import || cleanPreview_;
}

ToolsOutcome ToolsForm::preview() {
    if (!canPreview()) return {ExitFailure, missing()};
    ToolsOutcome outcome = runTool(previewArgs(fields_, deck_.state));
    cleanPreview_ = fields_.task == ToolsTask::Import && outcome.ok();
    return outcome;
}

ToolsOutcome ToolsForm::run(const std::string& output) {
    if (!canRun()) return {ExitFailure, missing()};
    ToolsOutcome outcome = runTool(runArgs(fields_, deck_.state, output));
    if (fields_.task == ToolsTask::Import) {
        cleanPreview_ = false; // the deck file changed: a new preview for another import
        deck_ = describeDeckFile(fields_.deckFile);
        if (outcome.ok()) outcome.text += ReloadNote;
    }
    return outcome;
}

ToolsOutcome ToolsForm::saveTradeLists(const std::string& give, const std::string& get) {
    if (!canRun()) return {ExitFailure, missing()};
    ToolsOutcome outcome = runTool(tradeListArgs(fields_, give, get));
    if (outcome.ok()) {
        tradeGive_ = give;
        tradeGet_ = get;
    }
    return outcome;
}

ToolsOutcome ToolsForm::applyTrade(bool check) {
    if (!canApplyTrade()) return {ExitFailure, "Save the lists first."};
    ToolsOutcome outcome = runTool(applyTradeArgs(fields_, tradeGive_, tradeGet_, check));
    if (!check) {
        deck_ = describeDeckFile(fields_.deckFile);
        if (outcome.ok()) outcome.text += ReloadNote;
    }
    return outcome;
}
