#pragma once
// What the Tools window's controls hold: the deck file it works on, the task shown
// and each task's fields. Plain values, so the window reads its controls into one and
// the model compares it with the last.
#include <array>
#include <string>

enum class ToolsTask { Import, Export, WantsSpares, Trade, Page };
constexpr int ToolsTaskCount = 5;

// The rarities' initials in the order of the five boxes.
constexpr std::array<char, 5> RarityInitials = {'F', 'C', 'U', 'R', 'P'};

struct ToolsFields {
    std::string deckFile;
    ToolsTask task = ToolsTask::Import;

    std::string importFile;   // a CSV (by its .csv name) or a card list
    int importDeck = 1;       // 1..5, or 0: as the CSV's deckN columns say
    bool replaceDeck = false; // else each count is added to what the deck holds

    bool exportCsv = true; // else a card list
    int exportDeck = 0;    // 0: the five decks (a CSV always holds all five)

    bool spares = false;                       // else wants
    std::array<std::string, 5> rarityCounts{}; // F C U R P; "" leaves the rarity out
    int listDeck = 0;                          // 0: the collection

    bool theirLists = false; // their wants and spares lists instead of their deck file
    std::string theirDeckFile, theirWants, theirSpares;
    std::string myTarget, myKeep, theirTarget, theirKeep; // "" keep: the target
    bool balanced = false;

    std::string pageTitle, pageTarget;

    bool operator==(const ToolsFields&) const = default;
};
