#include <memory>

#include "cli/cards/card_fields.h"
#include "cli/command.h"
#include "store/deck_set.h"

namespace {

int diff(CommandRun& run) {
    const Arguments& args = run.args;
    CliOutput& io = run.io;
    const auto a = std::make_unique<DeckSet>();
    const auto b = std::make_unique<DeckSet>();
    if (!loadDeckArgument(args.positional[0], *a, io)) return ExitFailure;
    if (!loadDeckArgument(args.positional[1], *b, io)) return ExitFailure;
    bool different = false;
    for (int deck = 0; deck < DeckCount; ++deck)
        for (int card = 0; card < CardCount; ++card) {
            const int32_t before = a->decks[deck].counts[card];
            const int32_t after = b->decks[deck].counts[card];
            if (before == after) continue;
            different = true;
            const CardRecord& record = CardCatalogue[card];
            io.out += "deck" + std::to_string(deck + 1) + " " + fieldText(record.cardId) + " " +
                      fieldText(record.name) + ": " + std::to_string(before) + " -> " +
                      std::to_string(after) + "\n";
        }
    return different ? ExitDifferent : ExitSuccess;
}

} // namespace

const CliCommand DiffCommand{"diff",
                             "diff A B",
                             "the counts that differ between two deck files",
                             "One line per deck and card whose counts differ, in deck and "
                             "catalogue order:\n"
                             "  deckD ID NAME: A -> B\n"
                             "Exit status 0 when the files hold the same counts, 1 when they "
                             "differ, 2 when one\ncannot be read.\n",
                             {},
                             2,
                             diff,
                             {},
                             "two deck files"};
