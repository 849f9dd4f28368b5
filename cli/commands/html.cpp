#include <memory>

#include "cli/page/collection_page.h"
#include "cli/command.h"
#include "catalogue/utf8.h"
#include "store/deck_set.h"

namespace {

const OptionRule Options[] = {{"-o", true}, {"--title", true}, {"--target", true}};

const OutputRule Outputs[] = {{"-o", "collection.html", OutputKind::Page, "write"}};

int html(CommandRun& run) {
    const Arguments& args = run.args;
    CliOutput& io = run.io;
    const std::string title = args.has("--title") ? args.value("--title") : "Cardhold collection";
    if (!isValidUtf8(title)) return usageError(io, "html", "--title is not UTF-8 text");
    RarityTargets targets;
    if (args.has("--target")) {
        std::string error;
        if (!parseRarityTargets(args.value("--target"), targets, error))
            return usageError(io, "html", "--target: " + error);
    }
    const auto decks = std::make_unique<DeckSet>();
    if (!loadDeckArgument(args.positional[0], *decks, io)) return ExitFailure;
    run.produce(buildCollectionPage(*decks, title, args.has("--target") ? &targets : nullptr));
    return ExitSuccess;
}

} // namespace

const CliCommand HtmlCommand{
    "html",
    "html DECKFILE -o collection.html [--title TEXT] [--target T]",
    "the collection as a page to open in any browser",
    "One self-contained HTML file (no network, no other file): per deck and for the five\n"
    "decks together their copies, distinct cards and completion, a completion bar per set\n"
    "that opens into its rarities, and every card in a table with a search field (also\n"
    "from the address: collection.html#q=TEXT) and buttons for held, missing and spare\n"
    "cards.\n\n"
    "  -o FILE      write to FILE (safely: all or nothing); without it, standard output\n"
    "  --title T    the page's title (default: Cardhold collection)\n"
    "  --target T   a count for every card, or per rarity (F=1,C=3,U=3,R=2,P=1): each bar\n"
    "               also gives the cards at their target, and the table's missing and\n"
    "               spare buttons measure against it\n",
    Options,
    1,
    html,
    {.outputs = Outputs},
    "one deck file"};
