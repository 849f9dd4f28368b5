#include <memory>

#include "cli/cards/card_list_line.h"
#include "cli/command.h"
#include "store/deck_set.h"

namespace {

const OptionRule Options[] = {{"-o", true}, {"--deck", true}};
const OutputRule Outputs[] = {{"-o", "OUT.txt", OutputKind::List, "export to"}};

int exportList(CommandRun& run) {
    const Arguments& args = run.args;
    CliOutput& io = run.io;
    const int only = deckOption(args, io, "export-list");
    if (only < -1) return ExitFailure;
    const auto decks = std::make_unique<DeckSet>();
    if (!loadDeckArgument(args.positional[0], *decks, io)) return ExitFailure;
    const char* const lineEnd = run.lineEnd();
    std::string list;
    for (int card = 0; card < CardCount; ++card) {
        long long count = 0;
        for (int deck = 0; deck < DeckCount; ++deck)
            if (only < 0 || deck == only) count += decks->decks[deck].counts[card];
        if (count == 0) continue;
        list += cardListLine(static_cast<std::size_t>(card), static_cast<unsigned>(count));
        list += lineEnd;
    }
    run.produce(std::move(list));
    return ExitSuccess;
}

} // namespace

const CliCommand ExportListCommand{
    "export-list",
    "export-list DECKFILE [--deck N] [-o OUT.txt]",
    "a plain card list, one held card a line",
    "One line per held card in catalogue order, \"3 Amber Horn\", with the set where\n"
    "another card has the same name (\"3 Amber Horn (Grimward)\") and the id where even\n"
    "the set does not tell them apart (\"3 SR157\"), so import-list reads one deck back\n"
    "to the same counts. UTF-8, lines ending in CR LF.\n\n"
    "  --deck N     deck N (1..5) only; without it, the five decks added together\n"
    "  -o OUT.txt   write to OUT.txt (safely: all or nothing) instead of standard output\n",
    Options,
    1,
    exportList,
    {.outputs = Outputs},
    "one deck file"};
