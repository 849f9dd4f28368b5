#include "cli/import/deck_import.h"
#include "cli/import/list_counts.h"

namespace {

constexpr ImportFormat List{"import-list", "--deck N is needed: the deck the list fills",
                            "a card list: export-list", readListRows};

int importList(CommandRun& run) {
    return runImport(List, run);
}

} // namespace

const CliCommand ImportListCommand{
    "import-list",
    "import-list LISTFILE -o DECKFILE --deck N [--onto FILE] [--replace | --add] [--sum] [--check]",
    "counts from a plain card list into one deck",
    "Reads a plain card list, one card a line, into deck N:\n"
    "  3 Amber Horn              3x Amber Horn             Amber Horn   (one copy)\n"
    "  3 Amber Horn (Grimward)   3 Amber Horn [GW]         3 GW030      (the id)\n"
    "Names are matched without case, accents, hyphens and apostrophes; a name several\n"
    "cards share needs its set or the id. Blank lines and lines starting with # or //\n"
    "are ignored. UTF-8, UTF-16 or Windows-1252 text. On any error (listed as\n"
    "FILE:LINE: reason) nothing is written and the status is 2; else a summary of what\n"
    "changed.\n\n"
    "  -o DECKFILE      the deck file to write (safely: all or nothing); - for standard output\n"
    "  --deck N         the deck (1..5) the list fills\n"
    "  --onto FILE      start from this deck file's counts; only the listed cards change\n"
    "                   (FILE is DECKFILE itself when DECKFILE exists)\n"
    "  --replace        deck N holds exactly the list: 0 for every card it does not name;\n"
    "                   the other decks are kept (it, --onto or --add is needed when DECKFILE\n"
    "                   exists)\n"
    "  --add            add each count to what deck N of DECKFILE (or --onto) holds; a\n"
    "                   total past 255 is an error\n"
    "  --sum            add up lines for the same card instead of refusing them\n"
    "  --check          read and match everything, show what would change, write nothing\n",
    ImportOptions,
    1,
    importList,
    ImportFiles,
    "one list file"};
