#include <cstdio>
#include <memory>

#include "cli/cards/card_fields.h"
#include "cli/command.h"
#include "cli/text/csv_writer.h"
#include "store/deck_groups.h"
#include "store/deck_set.h"

namespace {

const OptionRule Options[] = {{"--deck", true}, {"--csv", false}};

struct StatsRow {
    std::string group;
    std::string name;
    int held, of, percent;
};

// The deck's own line first, with the figures the window's statistics lines show,
// then each set and each rarity.
std::vector<StatsRow> statsRows(const StoreDeck& deck) {
    std::vector<StatsRow> rows{
        {"deck", "All cards", ownedDistinct(deck), CardCount, completionPercent(deck)}};
    const DeckGroups groups = countDeckGroups(deck);
    for (int set = 0; set < SetCount; ++set) {
        const GroupShare& share = groups.sets[set];
        rows.push_back({"set", fieldText(SetNames[set]), share.held, share.of, share.percent()});
    }
    for (int rarity = 0; rarity < RarityCount; ++rarity) {
        const GroupShare& share = groups.rarities[rarity];
        rows.push_back(
            {"rarity", fieldText(RarityNames[rarity]), share.held, share.of, share.percent()});
    }
    return rows;
}

void appendTable(std::string& out, const StoreDeck& deck, int number) {
    out += "Deck " + std::to_string(number + 1) + ": " +
           counted(deckTotal(deck), "copy", "copies") + ", " +
           counted(ownedDistinct(deck), "distinct card", "distinct cards") + ", " +
           std::to_string(completionPercent(deck)) + " % complete\n";
    char line[160];
    out += "  group   name             held     of      %\n";
    for (const StatsRow& row : statsRows(deck)) {
        if (row.group == "deck") continue; // already said in the title line
        std::snprintf(line, sizeof line, "  %-7s %-14s %6d %6d %6d\n", row.group.c_str(),
                      row.name.c_str(), row.held, row.of, row.percent);
        out += line;
    }
}

void appendCsv(std::string& out, const StoreDeck& deck, int number) {
    for (const StatsRow& row : statsRows(deck))
        appendCsvRow(out,
                     {std::to_string(number + 1), row.group, row.name, std::to_string(row.held),
                      std::to_string(row.of), std::to_string(row.percent)},
                     ',');
}

int stats(CommandRun& run) {
    const Arguments& args = run.args;
    CliOutput& io = run.io;
    const int only = deckOption(args, io, "stats");
    if (only < -1) return ExitFailure;
    // The figures come from the very functions the window's statistics lines use.
    const auto decks = std::make_unique<DeckSet>();
    if (!loadDeckArgument(args.positional[0], *decks, io)) return ExitFailure;
    const bool csv = args.has("--csv");
    if (csv) appendCsvRow(io.out, {"deck", "group", "name", "held", "of", "percent"}, ',');
    for (int deck = 0; deck < DeckCount; ++deck) {
        if (only >= 0 && deck != only) continue;
        if (!csv && !io.out.empty()) io.out += '\n';
        if (csv)
            appendCsv(io.out, decks->decks[deck], deck);
        else
            appendTable(io.out, decks->decks[deck], deck);
    }
    return ExitSuccess;
}

} // namespace

const CliCommand StatsCommand{
    "stats",
    "stats DECKFILE [--deck N] [--csv]",
    "totals, and completion per deck, set and rarity",
    "For each deck: its total copies, distinct cards and completion as the window shows\n"
    "them; then per set and per rarity the cards it holds, out of the cards there are, and\n"
    "the percentage (rounded down).\n\n"
    "  --deck N   deck N (1..5) only\n"
    "  --csv      CSV instead of a table: deck,group,name,held,of,percent (group is deck,\n"
    "             set or rarity)\n",
    Options,
    1,
    stats,
    {},
    "one deck file"};
