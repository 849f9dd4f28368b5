#include "tools_window/tools_operations.h"

#include <cctype>

#include "cli/text/count_text.h"
#include "store/deck_set.h"

namespace {

bool endsWithNoCase(const std::string& text, std::string_view end) {
    if (text.size() < end.size()) return false;
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - end.size() + i])) != end[i])
            return false;
    return true;
}

// A count box: empty, or a count as the console reads it.
bool countOrEmpty(const std::string& text) {
    const long count = parseCount(text);
    return text.empty() || (count >= 0 && count <= MaxCount);
}

// "F=1,C=3": the rarities whose boxes hold a count.
std::string rarityTargets(const ToolsFields& fields) {
    std::string text;
    for (std::size_t rarity = 0; rarity < RarityInitials.size(); ++rarity) {
        if (fields.rarityCounts[rarity].empty()) continue;
        if (!text.empty()) text += ',';
        text += RarityInitials[rarity];
        text += '=' + fields.rarityCounts[rarity];
    }
    return text;
}

void addDeck(CliArgs& args, int deck) {
    if (deck > 0) args.insert(args.end(), {"--deck", std::to_string(deck)});
}

void addIfGiven(CliArgs& args, const char* option, const std::string& value) {
    if (!value.empty()) args.insert(args.end(), {option, value});
}

CliArgs importArgs(const ToolsFields& fields, DeckFileState deck) {
    CliArgs args{isCsvName(fields.importFile) ? "import-csv" : "import-list", fields.importFile,
                 "-o", fields.deckFile, "--sum"};
    if (deck.exists) args.insert(args.end(), {"--onto", fields.deckFile});
    args.push_back(fields.replaceDeck ? "--replace" : "--add");
    addDeck(args, fields.importDeck);
    return args;
}

CliArgs listArgs(const ToolsFields& fields) {
    CliArgs args{fields.spares ? "spares" : "wants", fields.deckFile,
                 fields.spares ? "--keep" : "--target", rarityTargets(fields)};
    addDeck(args, fields.listDeck);
    return args;
}

CliArgs tradeArgs(const ToolsFields& fields) {
    CliArgs args{"trade", fields.deckFile};
    if (fields.theirLists)
        args.insert(args.end(),
                    {"--their-wants", fields.theirWants, "--their-spares", fields.theirSpares});
    else
        args.push_back(fields.theirDeckFile);
    args.insert(args.end(), {"--target", fields.myTarget});
    addIfGiven(args, "--keep", fields.myKeep);
    addIfGiven(args, "--their-target", fields.theirTarget);
    addIfGiven(args, "--their-keep", fields.theirKeep);
    if (fields.balanced) args.push_back("--balanced");
    return args;
}

std::string tradeMissing(const ToolsFields& fields) {
    if (fields.theirLists ? fields.theirWants.empty() || fields.theirSpares.empty()
                          : fields.theirDeckFile.empty())
        return fields.theirLists ? "Choose their want and spare lists." : "Choose their deck file.";
    for (const std::string* count :
         {&fields.myTarget, &fields.myKeep, &fields.theirTarget, &fields.theirKeep})
        if (!countOrEmpty(*count)) return "Targets and keeps are counts from " + countRange() + ".";
    if (fields.myTarget.empty()) return "Give your target.";
    const auto below = [](const std::string& keep, const std::string& target) {
        return !keep.empty() && !target.empty() && parseCount(keep) < parseCount(target);
    };
    const std::string& theirTarget =
        fields.theirTarget.empty() ? fields.myTarget : fields.theirTarget;
    if (below(fields.myKeep, fields.myTarget) || below(fields.theirKeep, theirTarget))
        return "A keep below the target would make a card both spare and missing.";
    return "";
}

} // namespace

bool isCsvName(const std::string& path) {
    return endsWithNoCase(path, ".csv");
}

std::string missingField(const ToolsFields& fields, DeckFileState deck) {
    if (fields.deckFile.empty()) return "Choose the deck file.";
    if (fields.task != ToolsTask::Import && !deck.readable) return "The deck file cannot be read.";
    switch (fields.task) {
    case ToolsTask::Import:
        if (fields.importFile.empty()) return "Choose the file to import.";
        if (fields.importDeck == 0 && !isCsvName(fields.importFile))
            return "A card list fills one deck: choose it.";
        return "";
    case ToolsTask::Export: return "";
    case ToolsTask::WantsSpares:
        for (const std::string& count : fields.rarityCounts)
            if (!countOrEmpty(count)) return "Counts are from " + countRange() + ".";
        return rarityTargets(fields).empty() ? "Give a count for at least one rarity." : "";
    case ToolsTask::Trade: return tradeMissing(fields);
    case ToolsTask::Page:
        return countOrEmpty(fields.pageTarget) ? ""
                                               : "The target is a count from " + countRange() + ".";
    }
    return "";
}

CliArgs previewArgs(const ToolsFields& fields, DeckFileState deck) {
    switch (fields.task) {
    case ToolsTask::Import: {
        CliArgs args = importArgs(fields, deck);
        args.push_back("--check");
        return args;
    }
    case ToolsTask::Export: { // the same export to standard output
        CliArgs args = runArgs(fields, deck, "");
        args.resize(args.size() - 2);
        return args;
    }
    case ToolsTask::WantsSpares: return listArgs(fields);
    case ToolsTask::Trade: return tradeArgs(fields);
    case ToolsTask::Page: return {};
    }
    return {};
}

CliArgs runArgs(const ToolsFields& fields, DeckFileState deck, const std::string& output) {
    CliArgs args;
    switch (fields.task) {
    case ToolsTask::Import: return importArgs(fields, deck);
    case ToolsTask::Export:
        args = {fields.exportCsv ? "export-csv" : "export-list", fields.deckFile};
        if (!fields.exportCsv) addDeck(args, fields.exportDeck);
        break;
    case ToolsTask::WantsSpares:
        args = listArgs(fields);
        args.push_back(isCsvName(output) ? "--csv" : "--list");
        break;
    case ToolsTask::Trade: return tradeArgs(fields);
    case ToolsTask::Page:
        args = {"html", fields.deckFile};
        addIfGiven(args, "--title", fields.pageTitle);
        addIfGiven(args, "--target", fields.pageTarget);
        break;
    }
    args.insert(args.end(), {"-o", output});
    return args;
}

CliArgs tradeListArgs(const ToolsFields& fields, const std::string& give, const std::string& get) {
    CliArgs args = tradeArgs(fields);
    args.insert(args.end(), {"--give-list", give, "--get-list", get});
    return args;
}

CliArgs applyTradeArgs(const ToolsFields& fields, const std::string& give, const std::string& get,
                       bool check) {
    CliArgs args{"apply-trade", "--give",        give,     "--get",        get,
                 "-o",          fields.deckFile, "--onto", fields.deckFile};
    if (check) args.push_back("--check");
    return args;
}
