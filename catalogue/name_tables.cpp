#include "catalogue/name_tables.h"

const char SetNames[SetCount][15] = {
    "Ashfall       ", "Emberkin      ", "Grimward      ", "Hollowmere    ",
    "Stormreach    ", "Morvek        ", "Frostgate     ",
};

const char* const SetFullNames[SetCount] = {
    "Varnholm Ashfall",    "Varnholm Emberkin", "Varnholm Grimward",  "Varnholm Hollowmere",
    "Varnholm Stormreach", "Varnholm Morvek",   "Varnholm Frostgate",
};

const char TypeNames[TypeCount][17] = {
    "Character       ", "Resource Ally   ", "Resource Faction",
    "Resource Item   ", "Resource Event  ", "Hazard Creature ",
    "Hazard Event    ", "Site            ", "Region          ",
};

const char RarityNames[RarityCount][10] = {
    "Fixed    ", "Common   ", "Uncommon ", "Rare     ", "Promotion",
};

const char AlignmentNames[AlignmentCount][8] = {
    "Avatar ", "Hero   ", "Neutral", "Minion ", "Stage  ", "Morvek ",
};
