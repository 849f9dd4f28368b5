#pragma once
// The Tools window's logic without the window: the fields in; out, which buttons are
// enabled and the texts to show, each operation run in process as the console
// command it is. Import is enabled only by a preview without faults, and any change
// of a field takes that back.
#include <string>

#include "tools_window/deck_file_line.h"
#include "tools_window/tools_fields.h"
#include "tools_window/tools_operations.h"

// What an operation gave: the console's exit status and its text, standard output
// then standard error, for the preview box.
struct ToolsOutcome {
    int status = 0;
    std::string text;
    bool ok() const { return status == 0; }
};

// Runs the console command in process; its advice about its options is given in the
// window's words.
ToolsOutcome runTool(const CliArgs& args);

class ToolsForm {
  public:
    ToolsForm() { deck_ = describeDeckFile(""); }

    // The controls' values; the deck file is read again when its name changes.
    void setFields(const ToolsFields& fields);
    const ToolsFields& fields() const { return fields_; }
    const DeckFileLine& deckFile() const { return deck_; }

    // Why the task cannot run yet, or "".
    std::string missing() const { return missingField(fields_, deck_.state); }
    bool canPreview() const;
    bool canRun() const; // Import, Save As, Save lists, Write and open
    bool canApplyTrade() const { return !tradeGive_.empty() && missing().empty(); }

    ToolsOutcome preview();
    // Writes `output` (ignored by an import, which writes the deck file).
    ToolsOutcome run(const std::string& output);
    ToolsOutcome saveTradeLists(const std::string& give, const std::string& get);
    ToolsOutcome applyTrade(bool check);

  private:
    ToolsFields fields_;
    DeckFileLine deck_;
    bool cleanPreview_ = false;        // the import previewed without faults, nothing changed since
    std::string tradeGive_, tradeGet_; // the lists saved for these fields
};
