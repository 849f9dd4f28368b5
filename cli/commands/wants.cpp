#include "cli/command.h"
#include "cli/cards/target_list.h"

namespace {

constexpr TargetList Wants{
    "wants",   "--target", "target",
    "missing", "Missing",  [](int held, int goal) { return held < goal ? goal - held : 0; }};

constexpr auto Options = targetListOptions(Wants.goalOption);

} // namespace

const CliCommand WantsCommand{
    "wants",
    "wants DECKFILE --target T [--deck N] [--csv | --list] [-o OUT]\n      the cards held fewer "
    "than T times, and how many copies are missing",
    "Usage: cardhold-cli wants DECKFILE --target T [--deck N] [--csv | --list] [-o OUT]\n"
    "Every card held fewer times than its target, with the copies missing, in catalogue\n"
    "order; then the cards and copies missing, in all and per set.\n\n"
    "  --target T   a count for every card (0 to 255), or one per rarity by its initial:\n"
    "               F=1,C=3,U=3,R=2,P=1 (a rarity left out is not listed)\n"
    "  --deck N     deck N (1..5) only; without it the five decks added together\n"
    "  --csv        CSV: id,name,set,rarity,held,target,missing (UTF-8 with a byte-order\n"
    "               mark, CR LF)\n"
    "  --list       a plain card list of the missing copies, one '2 NAME' line a card, as\n"
    "               import-list reads it\n"
    "  -o OUT       write to OUT (safely: all or nothing) instead of standard output\n",
    Options,
    1,
    runList<Wants>,
    "one deck file"};
