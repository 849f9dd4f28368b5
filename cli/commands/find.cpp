#include <cstdio>
#include <memory>
#include <optional>

#include "catalogue/name_tables.h"
#include "catalogue/windows1252.h"
#include "cli/cards/card_fields.h"
#include "cli/command.h"
#include "cli/cards/card_matcher.h"
#include "cli/text/input_excerpt.h"
#include "store/deck_set.h"

namespace {

const OptionRule Options[] = {{"--in", true}};

// The card's fields find looks in, by the name --in gives them.
struct SearchedField {
    std::string_view name;
    std::string_view (*of)(const CardRecord& record);
};

const SearchedField Fields[] = {
    {"name", [](const CardRecord& r) { return fieldView(r.name); }},
    {"text", [](const CardRecord& r) { return fieldView(r.text); }},
    {"errata", [](const CardRecord& r) { return fieldView(r.errata); }},
    {"artist", [](const CardRecord& r) { return fieldView(r.artist); }},
    {"id", [](const CardRecord& r) { return fieldView(r.cardId); }},
};

bool cardContains(const CardRecord& record, const std::string& folded, const SearchedField* only) {
    for (const SearchedField& field : Fields)
        if ((!only || only == &field) &&
            foldName(field.of(record)).find(folded) != std::string::npos)
            return true;
    return false;
}

std::string cardLine(int card, const DeckSet* decks) {
    const CardRecord& record = CardCatalogue[card];
    std::string line = fieldText(record.cardId) + "  " + paddedText(record.name) + "  " +
                       paddedText(SetNames[record.set]);
    if (decks) {
        char counts[64];
        for (const StoreDeck& deck : decks->decks) {
            std::snprintf(counts, sizeof counts, "  %5d", deck.counts[card]);
            line += counts;
        }
    }
    line.erase(line.find_last_not_of(' ') + 1);
    return line + "\n";
}

int find(CommandRun& run) {
    const Arguments& args = run.args;
    CliOutput& io = run.io;
    const SearchedField* only = nullptr;
    if (args.has("--in")) {
        for (const SearchedField& field : Fields)
            if (field.name == args.value("--in")) only = &field;
        if (!only) return usageError(io, "find", "--in takes name, text, errata, artist or id");
    }
    const std::string& text = args.positional[0];
    const std::string folded = foldTypedName(text);
    if (folded.empty()) return usageError(io, "find", "give some letters or digits to look for");
    std::unique_ptr<DeckSet> decks;
    if (args.positional.size() == 2) {
        decks = std::make_unique<DeckSet>();
        if (!loadDeckArgument(args.positional[1], *decks, io)) return ExitFailure;
    }
    std::string found;
    for (int card = 0; card < CardCount; ++card)
        if (cardContains(CardCatalogue[card], folded, only)) found += cardLine(card, decks.get());
    if (found.empty()) {
        io.err += "no card contains " + inputExcerpt(text) + "\n";
        return ExitNotFound;
    }
    const std::string heading = "id     " + std::string(37, ' ').replace(0, 4, "name") + "  set";
    io.out += decks ? heading + "             deck1  deck2  deck3  deck4  deck5\n"
                    : heading.substr(0, heading.find_last_not_of(' ') + 1) + "\n";
    io.out += found;
    return ExitSuccess;
}

} // namespace

const CliCommand FindCommand{
    "find",
    "find TEXT [DECKFILE] [--in name|text|errata|artist|id]",
    "the cards whose words contain TEXT",
    "Every card whose name, text, errata, artist or id contains TEXT, compared as the\n"
    "catalogue orders names: case ignored, accented letters as their base letter, hyphens\n"
    "and apostrophes dropped. One line a card: id, name and set, and with a deck file the\n"
    "card's count in each deck. Exit status 1 when no card contains TEXT.\n\n"
    "  --in FIELD   look in that field only: name, text, errata, artist or id\n",
    Options,
    1,
    find,
    {.firstInput = 1},
    "a text and an optional deck file",
    1};
