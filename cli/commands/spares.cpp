#include "cli/command.h"
#include "cli/cards/target_list.h"

namespace {

constexpr TargetList Spares{
    "spares", "--keep", "keep",
    "spare",  "Spare",  [](int held, int goal) { return held > goal ? held - goal : 0; }};

constexpr auto Options = targetListOptions(Spares.goalOption);

} // namespace

const CliCommand SparesCommand{
    "spares",
    "spares DECKFILE --keep K [--deck N] [--csv | --list] [-o OUT]\n      the cards held more "
    "than K times, and how many copies are spare",
    "Usage: cardhold-cli spares DECKFILE --keep K [--deck N] [--csv | --list] [-o OUT]\n"
    "Every card held more times than it is to be kept, with the spare copies, in catalogue\n"
    "order; then the cards and spare copies, in all and per set.\n\n"
    "  --keep K   copies to keep of every card (0 to 255), or per rarity by its initial:\n"
    "             F=1,C=3,U=3,R=2,P=1 (a rarity left out is not listed)\n"
    "  --deck N   deck N (1..5) only; without it the five decks added together\n"
    "  --csv      CSV: id,name,set,rarity,held,keep,spare (UTF-8 with a byte-order mark,\n"
    "             CR LF)\n"
    "  --list     a plain card list of the spare copies, one '2 NAME' line a card, as\n"
    "             import-list reads it\n"
    "  -o OUT     write to OUT (safely: all or nothing) instead of standard output\n",
    Options,
    1,
    runList<Spares>,
    "one deck file"};
