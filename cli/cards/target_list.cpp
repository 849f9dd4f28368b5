#include "cli/cards/target_list.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "catalogue/name_tables.h"
#include "catalogue/windows1252.h"
#include "cli/cards/card_fields.h"
#include "cli/cards/card_list_line.h"
#include "cli/command.h"
#include "cli/text/csv_writer.h"
#include "cli/commands/export_csv.h"
#include "cli/cards/rarity_targets.h"
#include "store/deck_set.h"

namespace {

struct ListedCard {
    int card, held, goal, copies;
};

void appendTable(std::string& out, const TargetList& list, const std::vector<ListedCard>& cards,
                 const char* eol) {
    char line[200];
    std::snprintf(line, sizeof line, "%-5s  %-37s  %-14s  %-9s  %5s  %6s  %7s", "id", "name", "set",
                  "rarity", "held", std::string(list.goalColumn).c_str(),
                  std::string(list.countColumn).c_str());
    (out += line) += eol;
    long long cardsIn[SetCount] = {}, copiesIn[SetCount] = {};
    for (const ListedCard& listed : cards) {
        const CardRecord& record = CardCatalogue[listed.card];
        std::snprintf(line, sizeof line, "%-5s  %s  %s  %s  %5d  %6d  %7d",
                      fieldText(record.cardId).c_str(), paddedText(record.name).c_str(),
                      paddedText(SetNames[record.set]).c_str(),
                      paddedText(RarityNames[record.rarity]).c_str(), listed.held, listed.goal,
                      listed.copies);
        (out += line) += eol;
        ++cardsIn[record.set];
        copiesIn[record.set] += listed.copies;
    }
    long long copies = 0;
    for (const long long each : copiesIn)
        copies += each;
    ((out += eol) += std::string(list.totalsLabel) + ": " +
                     counted(static_cast<long long>(cards.size()), "card", "cards") + ", " +
                     counted(copies, "copy", "copies")) += eol;
    for (int set = 0; set < SetCount; ++set) {
        std::snprintf(line, sizeof line, "  %s  %s, %s", paddedText(SetNames[set]).c_str(),
                      counted(cardsIn[set], "card", "cards").c_str(),
                      counted(copiesIn[set], "copy", "copies").c_str());
        (out += line) += eol;
    }
}

void appendCsv(std::string& out, const TargetList& list, const std::vector<ListedCard>& cards) {
    out += Utf8ByteOrderMark;
    appendCsvRow(out,
                 {"id", "name", "set", "rarity", "held", std::string(list.goalColumn),
                  std::string(list.countColumn)},
                 ',');
    for (const ListedCard& listed : cards) {
        const CardRecord& record = CardCatalogue[listed.card];
        appendCsvRow(out,
                     {fieldText(record.cardId), fieldText(record.name),
                      fieldText(SetNames[record.set]), fieldText(RarityNames[record.rarity]),
                      std::to_string(listed.held), std::to_string(listed.goal),
                      std::to_string(listed.copies)},
                     ',');
    }
}

} // namespace

int runTargetList(const TargetList& list, CommandRun& run) {
    const Arguments& args = run.args;
    CliOutput& io = run.io;
    if (!args.has(list.goalOption))
        return usageError(io, list.command, std::string(list.goalOption) + " is needed");
    RarityTargets targets;
    std::string error;
    if (!parseRarityTargets(args.value(list.goalOption), targets, error))
        return usageError(io, list.command, std::string(list.goalOption) + ": " + error);
    if (args.has("--csv") && args.has("--list"))
        return usageError(io, list.command, "--csv and --list: give one of them");
    const int deck = deckOption(args, io, list.command);
    if (deck < -1) return ExitFailure;
    const auto decks = std::make_unique<DeckSet>();
    if (!loadDeckArgument(args.positional[0], *decks, io)) return ExitFailure;

    std::vector<ListedCard> cards;
    for (int card = 0; card < CardCount; ++card) {
        const int goal = cardTarget(targets, card);
        if (goal == NoTarget) continue;
        const int held = heldCopies(*decks, deck, card);
        if (const int copies = list.copies(held, goal); copies > 0)
            cards.push_back({card, held, goal, copies});
    }
    std::string bytes;
    const char* eol = run.lineEnd();
    if (args.has("--csv")) {
        appendCsv(bytes, list, cards);
    } else if (args.has("--list")) {
        for (const ListedCard& listed : cards)
            (bytes += cardListLine(listed.card, listed.copies)) += eol;
    } else {
        appendTable(bytes, list, cards, eol);
    }
    run.produce(std::move(bytes));
    return ExitSuccess;
}
