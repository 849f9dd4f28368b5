#include <algorithm>
#include <memory>
#include <vector>

#include "cli/cards/card_fields.h"
#include "cli/command.h"
#include "cli/import/card_copies.h"
#include "cli/import/deck_import.h"
#include "cli/text/input_excerpt.h"

namespace {

constexpr OptionRule Options[] = {
    {"--give", true},      {"--get", true},       {"-o", true},       {"--onto", true},
    {"--from-deck", true}, {"--into-deck", true}, {"--check", false},
};

// A deck option: `absent` when it is not given, else 0..4, or -2 (the error written).
int deckNumber(const Arguments& args, std::string_view option, int absent, CliOutput& io) {
    if (!args.has(option)) return absent;
    const int deck = parseDeckNumber(args.value(option));
    if (deck < 0)
        usageError(io, "apply-trade", std::string(option) + " takes a deck number, 1 to 5");
    return deck < 0 ? -2 : deck;
}

std::string cardName(int card) {
    return fieldText(CardCatalogue[card].cardId) + " " + fieldText(CardCatalogue[card].name);
}

// The deck that holds the most copies of the card, the lowest number on a tie.
int fullestDeck(const DeckSet& decks, int card) {
    int fullest = 0;
    for (int deck = 1; deck < DeckCount; ++deck)
        if (decks.decks[deck].counts[card] > decks.decks[fullest].counts[card]) fullest = deck;
    return fullest;
}

struct Refusal {
    int list, line; // the give list 0 or the get list 1, and its line
    std::string reason;
};

// Takes the given copies out and adds the copies got; every refusal is written as
// "FILE:LINE: reason" in the order of the lists, and any refusal leaves the trade
// unapplied.
bool applyCopies(const Arguments& args, const CardCopies& give, const CardCopies& get, int from,
                 int into, DeckSet& decks, CliOutput& io) {
    std::vector<Refusal> refusals;
    const auto refuse = [&](int list, int line, std::string reason) {
        refusals.push_back({list, line, std::move(reason)});
    };
    for (int card = 0; card < CardCount; ++card) {
        if (give.copies[card] == 0) continue;
        const int deck = from >= 0 ? from : fullestDeck(decks, card);
        int32_t& held = decks.decks[deck].counts[card];
        if (held < give.copies[card])
            refuse(0, give.line[card],
                   cardName(card) + ": gives " + counted(give.copies[card], "copy", "copies") +
                       ", deck " + std::to_string(deck + 1) + " holds " + std::to_string(held));
        else
            held -= give.copies[card];
    }
    for (int card = 0; card < CardCount; ++card) {
        int32_t& held = decks.decks[into].counts[card];
        if (held + get.copies[card] > MaxCount)
            refuse(1, get.line[card],
                   cardName(card) + ": deck " + std::to_string(into + 1) + " would hold " +
                       std::to_string(held + get.copies[card]) + "; counts are 0 to 255");
        else
            held += get.copies[card];
    }
    std::sort(refusals.begin(), refusals.end(), [](const Refusal& a, const Refusal& b) {
        return a.list != b.list ? a.list < b.list : a.line < b.line;
    });
    for (const Refusal& refusal : refusals)
        io.err += shownPath(args.value(refusal.list == 0 ? "--give" : "--get")) + ":" +
                  std::to_string(refusal.line) + ": " + refusal.reason + "\n";
    return refusals.empty();
}

int applyTrade(CommandRun& run) {
    const Arguments& args = run.args;
    CliOutput& io = run.io;
    for (const char* needed : {"--give", "--get", "--onto"})
        if (!args.has(needed))
            return usageError(io, "apply-trade", std::string(needed) + " FILE is needed");
    if (!args.has("-o") && !run.check)
        return usageError(io, "apply-trade", "-o DECKFILE is needed");
    const int from = deckNumber(args, "--from-deck", -1, io);
    const int into = deckNumber(args, "--into-deck", 0, io);
    if (from < -1 || into < 0) return ExitFailure;

    DeckImport trade;
    trade.input = args.value("--give");
    trade.decks = std::make_unique<DeckSet>();
    trade.base = std::make_unique<DeckSet>();
    if (!loadDeckArgument(run.base, *trade.base, io)) return ExitFailure;
    *trade.decks = *trade.base;
    const auto give = std::make_unique<CardCopies>(), get = std::make_unique<CardCopies>();
    if (!readCardCopies(args.value("--give"), *give, io) ||
        !readCardCopies(args.value("--get"), *get, io) ||
        !applyCopies(args, *give, *get, from, into, *trade.decks, io))
        return ExitFailure;
    return finishImport(trade, InputFaults{}, run);
}

constexpr OutputRule Outputs[] = {{"-o", "DECKFILE", OutputKind::DeckFile, "save"}};
constexpr std::string_view Inputs[] = {"--give", "--get"};

} // namespace

const CliCommand ApplyTradeCommand{
    "apply-trade",
    "apply-trade --give GIVE --get GET -o DECKFILE --onto DECKFILE [--from-deck N] "
    "[--into-deck N] [--check]",
    "an agreed trade applied to your deck file",
    "Applies an agreed trade (the lists trade writes with --give-list and --get-list, or\n"
    "any list import-list or import-csv reads): the copies on GIVE leave your\n"
    "collection, the copies on GET join it; then a summary of what changed per deck.\n"
    "Your friend runs the same with the two lists swapped. A list that gives more\n"
    "copies than the deck holds, or takes a count past 255, is refused whole (listed as\n"
    "FILE:LINE: reason; the status is 2) and nothing is written.\n\n"
    "  --give GIVE      the copies you give\n"
    "  --get GET        the copies you get\n"
    "  -o DECKFILE      the deck file to write (safely: all or nothing); - for standard\n"
    "                   output\n"
    "  --onto DECKFILE  the collection the trade starts from (may be DECKFILE itself)\n"
    "  --from-deck N    take the given copies from deck N (1..5); without it each card\n"
    "                   from the deck holding the most copies of it (the lowest on a tie)\n"
    "  --into-deck N    add the copies got to deck N (default 1)\n"
    "  --check          read and check everything, show what would change, write nothing\n",
    Options,
    0,
    applyTrade,
    {.inputOptions = Inputs, .base = "--onto", .check = "--check", .outputs = Outputs},
    "no file but its options"};
