// wants and spares: one list each of the cards short of a goal or beyond it, their
// help texts written from one template.
#include "cli/cards/target_list.h"
#include "cli/command.h"
#include "store/deck_set.h"

namespace {

// The words in which the two help texts differ.
struct ListWords {
    std::string_view goal;       // "--target T"
    std::string_view held;       // "fewer times than its target"
    std::string_view copies;     // "copies missing"
    std::string_view goalText;   // "a count for every card"
    std::string_view perRarity;  // "or one per rarity"
    std::string_view listCopies; // "missing"
};

// The option column is as wide as the goal option needs; every text is wrapped at
// the help's width with its continuation under the column.
constexpr std::size_t HelpWidth = 85;

std::string wrapped(std::string_view first, std::string_view text, std::size_t indent) {
    std::string out(first);
    std::size_t lineStart = 0;
    bool atStart = true;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
        if (!atStart && out.size() - lineStart + 1 + word.size() > HelpWidth) {
            out += '\n';
            lineStart = out.size();
            out.append(indent, ' ');
        } else if (!atStart) {
            out += ' ';
        }
        out += word;
        atStart = false;
    }
    return out += '\n';
}

std::string listHelp(const TargetList& list, const ListWords& words) {
    const std::size_t column = words.goal.size() + 5;
    const auto option = [&](std::string_view name, const std::string& text) {
        std::string first = "  " + std::string(name);
        first.resize(column, ' ');
        return wrapped(first, text, column);
    };
    const std::string count = std::string(list.countColumn);
    return wrapped("",
                   "Every card held " + std::string(words.held) + ", with the " +
                       std::string(words.copies) + ", in catalogue order; then the cards and " +
                       std::string(words.copies) + ", in all and per set.",
                   0) +
           "\n" +
           option(words.goal, std::string(words.goalText) + " (0 to " + std::to_string(MaxCount) +
                                  "), " + std::string(words.perRarity) +
                                  " by its initial: F=1,C=3,U=3,R=2,P=1 (a rarity left out "
                                  "is not listed)") +
           option("--deck N", "deck N (1..5) only; without it the five decks added together") +
           option("--csv", "CSV: id,name,set,rarity,held," + std::string(list.goalColumn) + "," +
                               count + " (UTF-8 with a byte-order mark, CR LF)") +
           option("--list", "a plain card list of the " + std::string(words.listCopies) +
                                " copies, one '2 NAME' line a card, as import-list reads it") +
           option("-o OUT", "write to OUT (safely: all or nothing) instead of standard output");
}

constexpr TargetList Wants{
    "wants",   "--target", "target",
    "missing", "Missing",  [](int held, int goal) { return held < goal ? goal - held : 0; }};
constexpr TargetList Spares{
    "spares", "--keep", "keep",
    "spare",  "Spare",  [](int held, int goal) { return held > goal ? held - goal : 0; }};

const std::string WantsHelp =
    listHelp(Wants, {"--target T", "fewer times than its target", "copies missing",
                     "a count for every card", "or one per rarity", "missing"});
const std::string SparesHelp =
    listHelp(Spares, {"--keep K", "more times than it is to be kept", "spare copies",
                      "copies to keep of every card", "or per rarity", "spare"});

constexpr auto WantsOptions = targetListOptions(Wants.goalOption);
constexpr auto SparesOptions = targetListOptions(Spares.goalOption);

} // namespace

const CliCommand WantsCommand{"wants",
                              "wants DECKFILE --target T [--deck N] [--csv | --list] [-o OUT]",
                              "the cards held fewer than T times, and how many copies are missing",
                              WantsHelp,
                              WantsOptions,
                              1,
                              runList<Wants>,
                              {.outputs = TargetListOutputs},
                              "one deck file"};

const CliCommand SparesCommand{"spares",
                               "spares DECKFILE --keep K [--deck N] [--csv | --list] [-o OUT]",
                               "the cards held more than K times, and how many copies are spare",
                               SparesHelp,
                               SparesOptions,
                               1,
                               runList<Spares>,
                               {.outputs = TargetListOutputs},
                               "one deck file"};
