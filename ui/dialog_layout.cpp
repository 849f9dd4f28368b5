#include "ui/dialog_layout.h"

#include <iterator>

#include "ui/control_ids.h"

// An id and its name, written once.
#define ID(name) name, #name

const ControlLayout MainDialogLayout[MainDialogControlCount] = {
    {ID(IDC_CARD_LIST), ControlKind::SimpleComboBox, "", 18, 151, 132, 172, "Card list"},
    {ID(IDC_NONE), ControlKind::GroupBox, "", 7, 7, 506, 118, "Filters and store decks"},
    {ID(IDC_NONE), ControlKind::StaticCentred, "Card Set", 20, 15, 28, 8},
    {ID(IDC_NONE), ControlKind::StaticCentred, "Card Type", 149, 15, 36, 8},
    {ID(IDC_NONE), ControlKind::StaticCentred, "Card Rarity", 256, 15, 36, 8},
    {ID(IDC_NONE), ControlKind::StaticLeft, "Card Search Deck", 313, 15, 61, 8},
    {ID(IDC_SET_ASHFALL), ControlKind::AutoCheckBox, "Varnholm Ashfall", 18, 29, 99, 10},
    {ID(IDC_SET_EMBERKIN), ControlKind::AutoCheckBox, "Varnholm Emberkin", 18, 39, 99, 10},
    {ID(IDC_SET_GRIMWARD), ControlKind::AutoCheckBox, "Varnholm Grimward", 18, 48, 99, 10},
    {ID(IDC_SET_HOLLOWMERE), ControlKind::AutoCheckBox, "Varnholm Hollowmere", 18, 58, 93, 10},
    {ID(IDC_SET_STORMREACH), ControlKind::AutoCheckBox, "Varnholm Stormreach", 18, 67, 123, 10},
    {ID(IDC_SET_MORVEK), ControlKind::AutoCheckBox, "Varnholm Morvek", 18, 77, 92, 10},
    {ID(IDC_SET_FROSTGATE), ControlKind::AutoCheckBox, "Varnholm Frostgate", 18, 86, 95, 10},
    {ID(IDC_SET_ALL), ControlKind::AutoCheckBox, "ALL", 17, 96, 29, 10, "All card sets"},
    {ID(IDC_TYPE_CHARACTER), ControlKind::AutoCheckBox, "Character", 149, 28, 47, 9},
    {ID(IDC_TYPE_RESOURCE_ALLY), ControlKind::AutoCheckBox, "Resource Ally", 149, 38, 59, 10},
    {ID(IDC_TYPE_RESOURCE_FACTION), ControlKind::AutoCheckBox, "Resource Faction", 149, 47, 72, 10},
    {ID(IDC_TYPE_RESOURCE_ITEM), ControlKind::AutoCheckBox, "Resource Item", 149, 57, 62, 10},
    {ID(IDC_TYPE_RESOURCE_EVENT), ControlKind::AutoCheckBox, "Resource Event", 149, 66, 67, 10},
    {ID(IDC_TYPE_HAZARD_CREATURE), ControlKind::AutoCheckBox, "Hazard Creature", 149, 75, 67, 10},
    {ID(IDC_TYPE_HAZARD_EVENT), ControlKind::AutoCheckBox, "Hazard Event", 149, 84, 59, 10},
    {ID(IDC_TYPE_SITE), ControlKind::AutoCheckBox, "Site", 149, 95, 28, 10},
    {ID(IDC_TYPE_REGION), ControlKind::AutoCheckBox, "Region", 149, 104, 39, 10},
    {ID(IDC_TYPE_ALL), ControlKind::AutoCheckBoxNotify, "All", 149, 113, 23, 10, "All card types"},
    {ID(IDC_RARITY_FIXED), ControlKind::AutoCheckBox, "Fixed", 256, 28, 33, 10},
    {ID(IDC_RARITY_COMMON), ControlKind::AutoCheckBox, "Common", 256, 38, 43, 10},
    {ID(IDC_RARITY_UNCOMMON), ControlKind::AutoCheckBox, "Uncommon", 256, 47, 52, 10},
    {ID(IDC_RARITY_RARE), ControlKind::AutoCheckBox, "Rare", 256, 57, 31, 10},
    {ID(IDC_RARITY_PROMOTION), ControlKind::AutoCheckBox, "Promotion", 256, 66, 47, 10},
    {ID(IDC_RARITY_ALL), ControlKind::AutoCheckBoxNotify, "ALL", 256, 75, 29, 10,
     "All card rarities"},
    {ID(IDC_SEARCH_DECK_ONE), ControlKind::AutoCheckBox, "Deck One", 331, 28, 62, 8,
     "Search Deck One"},
    {ID(IDC_SEARCH_DECK_TWO), ControlKind::AutoCheckBox, "Deck Two", 331, 36, 62, 8,
     "Search Deck Two"},
    {ID(IDC_SEARCH_DECK_THREE), ControlKind::AutoCheckBox, "Deck Three", 331, 44, 61, 8,
     "Search Deck Three"},
    {ID(IDC_SEARCH_DECK_FOUR), ControlKind::AutoCheckBox, "Deck Four", 331, 52, 58, 8,
     "Search Deck Four"},
    {ID(IDC_SEARCH_DECK_FIVE), ControlKind::AutoCheckBox, "Deck Five", 331, 60, 67, 8,
     "Search Deck Five"},
    {ID(IDC_SEARCH_ALL), ControlKind::AutoCheckBoxNotify, "All", 331, 68, 61, 8,
     "Search all decks"},
    {ID(IDC_NONE), ControlKind::GroupBox, "", 7, 125, 506, 199, "Card list and card info"},
    {ID(IDC_NONE), ControlKind::StaticLeft, "Cards", 17, 140, 22, 8},
    {ID(IDC_MATCH_COUNT), ControlKind::StaticLeft, "", 124, 140, 23, 8, "Cards shown"},
    {ID(IDC_NONE), ControlKind::StaticLeft, "Card Set", 186, 282, 58, 8},
    {ID(IDC_NONE), ControlKind::StaticLeft, "Card Type", 296, 282, 34, 8},
    {ID(IDC_NONE), ControlKind::StaticLeft, "Card Rarity", 416, 282, 36, 8},
    {ID(IDC_NONE), ControlKind::StaticLeft, "Card Artist", 186, 303, 33, 8},
    {ID(IDC_PANEL_SET), ControlKind::StaticLeft, "", 186, 291, 59, 8, "Card set"},
    {ID(IDC_PANEL_TYPE), ControlKind::StaticLeft, "", 296, 291, 62, 8, "Card type"},
    {ID(IDC_PANEL_RARITY), ControlKind::StaticLeft, "", 416, 291, 65, 8, "Card rarity"},
    {ID(IDC_PANEL_ARTIST), ControlKind::StaticLeft, "", 186, 311, 91, 8, "Card artist"},
    {ID(IDC_NONE), ControlKind::StaticLeft, "Card ID", 296, 303, 25, 8},
    {ID(IDC_PANEL_ID), ControlKind::StaticLeft, "", 296, 311, 55, 8, "Card identifier"},
    {ID(IDC_PANEL_TEXT), ControlKind::StaticLeft, "", 161, 186, 340, 54, "Card text"},
    {ID(IDC_NONE), ControlKind::GroupBoxCentred, "Card Info", 155, 176, 351, 147},
    {ID(IDC_NONE), ControlKind::StaticLeft, "Card Alignment", 416, 303, 48, 8},
    {ID(IDC_PANEL_ALIGNMENT), ControlKind::StaticLeft, "", 416, 311, 55, 8, "Card alignment"},
    {ID(IDC_CURRENT_DECK_ONE), ControlKind::AutoCheckBox, "", 399, 29, 16, 8, "Current deck 1"},
    {ID(IDC_CURRENT_DECK_TWO), ControlKind::AutoCheckBox, "", 399, 37, 16, 8, "Current deck 2"},
    {ID(IDC_CURRENT_DECK_THREE), ControlKind::AutoCheckBox, "", 399, 45, 16, 8, "Current deck 3"},
    {ID(IDC_CURRENT_DECK_FOUR), ControlKind::AutoCheckBox, "", 399, 53, 16, 8, "Current deck 4"},
    {ID(IDC_CURRENT_DECK_FIVE), ControlKind::AutoCheckBox, "", 399, 61, 16, 8, "Current deck 5"},
    {ID(IDC_NONE), ControlKind::StaticLeft, "Card Store Deck", 378, 15, 80, 8},
    {ID(IDC_PLUS), ControlKind::PushButton, "+", 209, 161, 50, 14, "Add a copy"},
    {ID(IDC_MINUS), ControlKind::PushButton, "-", 159, 161, 50, 14, "Remove a copy"},
    {ID(IDC_NONE), ControlKind::GroupBoxCentred, "Store Deck Info", 157, 133, 349, 44},
    {ID(IDC_PANEL_HAS), ControlKind::StaticLeft, "", 159, 140, 196, 8,
     "Copies in the current deck"},
    {ID(IDC_PANEL_TOTAL), ControlKind::StaticLeft, "", 409, 143, 91, 8, "Current deck total"},
    {ID(IDC_PANEL_COMPLETE), ControlKind::StaticLeft, "", 409, 162, 91, 8,
     "Current deck completion"},
    {ID(IDC_PANEL_ERRATA), ControlKind::StaticLeft, "", 158, 246, 343, 33, "Card errata"},
    {ID(IDC_NONE), ControlKind::StaticCentred, "Card Errata", 158, 239, 345, 8},
    {ID(IDC_NONE), ControlKind::GroupBoxCentred, "Card List Box", 16, 133, 141, 190},
};

#undef ID

const char* accessibleName(const ControlLayout& control) {
    return control.name ? control.name : control.text;
}

namespace {

// In ControlKind's order.
const ControlKindStyle KindStyles[] = {
    {"COMBOBOX", "ComboBox", "CBS_SIMPLE | WS_VSCROLL | WS_TABSTOP", false}, // SimpleComboBox
    {"GROUPBOX", "Button", "BS_GROUPBOX", false},                            // GroupBox
    {"GROUPBOX", "Button", "BS_GROUPBOX | BS_CENTER", false},                // GroupBoxCentred
    {"LTEXT", "Static", "SS_LEFT", false},                                   // StaticLeft
    {"CTEXT", "Static", "SS_CENTER", false},                                 // StaticCentred
    {"CONTROL", "Button", "BS_AUTOCHECKBOX | WS_TABSTOP", true},             // AutoCheckBox
    {"CONTROL", "Button", "BS_AUTOCHECKBOX | BS_NOTIFY | WS_TABSTOP", true}, // AutoCheckBoxNotify
    {"PUSHBUTTON", "Button", "BS_PUSHBUTTON | WS_TABSTOP", false},           // PushButton
    {"DEFPUSHBUTTON", "Button", "BS_DEFPUSHBUTTON | WS_TABSTOP", false},     // DefaultPushButton
};
static_assert(std::size(KindStyles) == static_cast<int>(ControlKind::DefaultPushButton) + 1);

} // namespace

const ControlKindStyle& kindStyle(ControlKind kind) {
    return KindStyles[static_cast<int>(kind)];
}

bool isCheckBox(ControlKind kind) {
    return kindStyle(kind).checkBox;
}
