#include <memory>

#include "cli/cards/card_fields.h"
#include "cli/cards/rarity_targets.h"
#include "cli/cards/trade.h"
#include "cli/cards/trade_report.h"
#include "cli/command.h"
#include "cli/import/card_copies.h"
#include "cli/text/input_excerpt.h"
#include "store/deck_set.h"

namespace {

constexpr OptionRule Options[] = {
    {"--target", true},      {"--keep", true},         {"--their-target", true},
    {"--their-keep", true},  {"--deck", true},         {"--their-deck", true},
    {"--their-wants", true}, {"--their-spares", true}, {"--balanced", false},
    {"--give-list", true},   {"--get-list", true},     {"-o", true},
};

// One side's goals: its target and keep, as given or defaulted.
struct Goals {
    std::string keepOption, keepText; // for the messages: "--keep", "2"
    RarityTargets target, keep;
};

bool parseGoals(std::string_view targetOption, const std::string& targetText,
                std::string_view keepOption, const std::string& keepText, Goals& goals,
                CliOutput& io) {
    std::string error;
    if (!parseRarityTargets(targetText, goals.target, error))
        return usageError(io, "trade", std::string(targetOption) + ": " + error), false;
    if (!parseRarityTargets(keepText, goals.keep, error))
        return usageError(io, "trade", std::string(keepOption) + ": " + error), false;
    goals.keepOption = keepOption;
    goals.keepText = inputExcerpt(keepText);
    for (int rarity = 0; rarity < RarityCount; ++rarity) {
        const int target = goals.target.target[rarity], keep = goals.keep.target[rarity];
        if (target == NoTarget || keep == NoTarget || keep >= target) continue;
        const bool perRarity = (targetText + keepText).find('=') != std::string::npos;
        usageError(io, "trade",
                   std::string(keepOption) + " " + std::to_string(keep) + " is below " +
                       std::string(targetOption) + " " + std::to_string(target) +
                       (perRarity ? " for " + fieldText(RarityNames[rarity]) : "") +
                       ": a card would be both spare and missing");
        return false;
    }
    return true;
}

// A --deck option: -1 for the five decks together, 0..4, or -2 (the error written).
int deckNumber(const Arguments& args, std::string_view option, CliOutput& io) {
    if (!args.has(option)) return -1;
    const int deck = parseDeckNumber(args.value(option));
    if (deck < 0) usageError(io, "trade", std::string(option) + " takes a deck number, 1 to 5");
    return deck < 0 ? -2 : deck;
}

bool deckSide(const std::string& path, int deck, const Goals& goals, TradeSide& side,
              CliOutput& io) {
    const auto decks = std::make_unique<DeckSet>();
    if (!loadDeckArgument(path, *decks, io)) return false;
    for (int card = 0; card < CardCount; ++card) {
        const int held = heldCopies(*decks, deck, card);
        const int target = cardTarget(goals.target, card), keep = cardTarget(goals.keep, card);
        if (target != NoTarget && held < target) side.missing[card] = target - held;
        if (keep != NoTarget && held > keep) side.spare[card] = held - keep;
    }
    return true;
}

// Their side from the lists they made with wants and spares: the lists are their word.
bool listSide(const Arguments& args, TradeSide& side, CliOutput& io) {
    const auto wants = std::make_unique<CardCopies>(), spares = std::make_unique<CardCopies>();
    if (!readCardCopies(args.value("--their-wants"), *wants, io) ||
        !readCardCopies(args.value("--their-spares"), *spares, io))
        return false;
    side.missing = wants->copies;
    side.spare = spares->copies;
    return true;
}

// Why the offered trade leaves nothing to trade, or "" when it does not.
std::string nothingToTrade(const Trade& trade, bool balanced, const Goals& mine,
                           const Goals& theirs, bool theirLists) {
    std::string reason;
    if (trade.give.empty())
        reason = "they want nothing you can spare at " + mine.keepOption + " " + mine.keepText;
    if (trade.get.empty())
        reason += (reason.empty() ? "" : ", and ") +
                  std::string(theirLists ? "you want nothing on their spares list"
                                         : "you want nothing they can spare at " +
                                               theirs.keepOption + " " + theirs.keepText);
    if (!reason.empty() || !balanced) return reason;
    for (const RarityTotals& totals : trade.rarities)
        if (totals.match == RarityMatch::Matched) return "";
    return "no rarity both of you can give: " + unmatchedRarities(trade);
}

// The report, then the two lists; a list is written only when its option is given.
constexpr OutputRule Outputs[] = {{"-o", "OUT", OutputKind::Report, "write"},
                                  {"--give-list", "FILE", OutputKind::List, "write"},
                                  {"--get-list", "FILE", OutputKind::List, "write"}};
constexpr std::string_view Inputs[] = {"--their-wants", "--their-spares"};

int runTrade(CommandRun& run) {
    const Arguments& args = run.args;
    CliOutput& io = run.io;
    const bool theirLists = args.has("--their-wants") || args.has("--their-spares");
    if (theirLists == (args.positional.size() == 2))
        return usageError(io, "trade",
                          "give their deck file, or their lists with --their-wants and "
                          "--their-spares");
    if (theirLists && !(args.has("--their-wants") && args.has("--their-spares")))
        return usageError(io, "trade", "--their-wants and --their-spares go together");
    for (const char* option : {"--their-target", "--their-keep", "--their-deck"})
        if (theirLists && args.has(option))
            return usageError(io, "trade",
                              std::string(option) + ": their lists already say what they want "
                                                    "and spare");
    if (!args.has("--target")) return usageError(io, "trade", "--target is needed");
    const std::string& target = args.value("--target");
    const std::string& keep = args.has("--keep") ? args.value("--keep") : target;
    const std::string& theirTarget =
        args.has("--their-target") ? args.value("--their-target") : target;
    const std::string& theirKeep = args.has("--their-keep")     ? args.value("--their-keep")
                                   : args.has("--their-target") ? theirTarget
                                                                : keep;
    Goals mine, theirs;
    if (!parseGoals("--target", target, "--keep", keep, mine, io) ||
        !parseGoals("--their-target", theirTarget, "--their-keep", theirKeep, theirs, io))
        return ExitFailure;
    const int deck = deckNumber(args, "--deck", io),
              theirDeck = deckNumber(args, "--their-deck", io);
    if (deck < -1 || theirDeck < -1) return ExitFailure;

    const auto me = std::make_unique<TradeSide>(), them = std::make_unique<TradeSide>();
    if (!deckSide(args.positional[0], deck, mine, *me, io) ||
        !(theirLists ? listSide(args, *them, io)
                     : deckSide(args.positional[1], theirDeck, theirs, *them, io)))
        return ExitFailure;
    const bool balanced = args.has("--balanced");
    const Trade offered = offeredTrade(*me, *them);
    if (const std::string reason = nothingToTrade(offered, balanced, mine, theirs, theirLists);
        !reason.empty()) {
        failure(io, "no card to trade: " + reason);
        return ExitNotFound;
    }
    const Trade trade = balanced ? balancedTrade(offered) : offered;

    run.produce(tradeReport(trade, run.lineEnd(0)), "", 0);
    if (args.has("--give-list")) run.produce(tradeList(trade.give, "\r\n"), "", 1);
    if (args.has("--get-list")) run.produce(tradeList(trade.get, "\r\n"), "", 2);
    return ExitSuccess;
}

} // namespace

const CliCommand TradeCommand{
    "trade",
    "trade MINE THEIRS --target T [--keep K] [--their-target T] [--their-keep K] [--deck N] "
    "[--their-deck N] [--balanced] [--give-list FILE] [--get-list FILE] [-o OUT]",
    "the copies you and a friend can swap, from both deck files or their lists",
    "What you and a friend can swap: for each card you give the copies you hold over\n"
    "your keep that they are missing under their target, and get the same the other\n"
    "way. Grouped by rarity, then per rarity the copies each way and what a balanced\n"
    "trade makes of them. Nothing changes; apply-trade applies an agreed trade. When\n"
    "there is nothing to trade, says why, writes nothing, and the status is 1.\n\n"
    "  THEIRS            their deck file; or instead the lists they made with wants and\n"
    "                    spares (--list or --csv), or any list import-list or import-csv\n"
    "                    reads:\n"
    "  --their-wants F   the copies they are missing\n"
    "  --their-spares F  the copies they can give\n"
    "  --target T        a count for every card (0 to 255), or one per rarity by its\n"
    "                    initial: F=1,C=3,U=3,R=2,P=1 (a rarity left out is not traded)\n"
    "  --keep K          copies you keep, as --target; at least the target, which it\n"
    "                    defaults to\n"
    "  --their-target T  their target; defaults to yours\n"
    "  --their-keep K    their keep; defaults to --their-target when given, else to yours\n"
    "  --deck N          your deck N (1..5) only; without it your five decks together\n"
    "  --their-deck N    their deck N only\n"
    "  --balanced        per rarity, copy for copy: the side offering more gives as many\n"
    "                    copies as the other offers, its cards with the most copies\n"
    "                    first, the last card in part; a rarity only one side can give\n"
    "                    is unmatched and not traded\n"
    "  --give-list FILE  the copies you give, as a plain card list (CR LF)\n"
    "  --get-list FILE   the copies you get, as a plain card list (CR LF)\n"
    "  -o OUT            write the report to OUT instead of standard output\n"
    "Every output is written safely (all or nothing), never over an input or a deck file.\n",
    Options,
    1,
    runTrade,
    {.inputOptions = Inputs, .outputs = Outputs},
    "your deck file and theirs, or yours and --their-wants and --their-spares",
    1};
