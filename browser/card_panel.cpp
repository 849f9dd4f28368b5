#include "browser/card_panel.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

#include "browser/card_list.h"
#include "browser/filters.h"
#include "catalogue/card_record.h"
#include "catalogue/name_tables.h"
#include "ui/control_ids.h"
#include "ui/dialog.h"
#include "store/deck_set.h"

namespace {

// The name named by the "has" line; it outlives a refresh that finds no card, so an
// empty list still names the card shown before.
char nameBuffer[256];

// Blanking writes runs of spaces as wide as the label's longest content.
void blankLabels(Dialog& dialog) {
    const std::string shortBlank(19, ' ');
    for (int id : {IDC_PANEL_SET, IDC_PANEL_TYPE, IDC_PANEL_RARITY, IDC_PANEL_ARTIST, IDC_PANEL_ID,
                   IDC_PANEL_ALIGNMENT, IDC_PANEL_HAS, IDC_PANEL_TOTAL, IDC_PANEL_COMPLETE})
        dialog.setText(id, shortBlank.c_str());
    dialog.setText(IDC_PANEL_TEXT, std::string(380, ' ').c_str());
    dialog.setText(IDC_PANEL_ERRATA, std::string(91, ' ').c_str());
}

void showCard(Dialog& dialog, int card) {
    const CardRecord& record = CardCatalogue[card];
    selectedCard = card;
    char rarity[64];
    std::snprintf(rarity, sizeof rarity, "%s %s", RarityNames[record.rarity], record.rarityCode);
    dialog.setText(IDC_PANEL_SET, SetNames[record.set]);
    dialog.setText(IDC_PANEL_TYPE, TypeNames[record.type]);
    dialog.setText(IDC_PANEL_RARITY, rarity);
    dialog.setText(IDC_PANEL_ARTIST, record.artist);
    dialog.setText(IDC_PANEL_ID, record.cardId);
    dialog.setText(IDC_PANEL_TEXT, record.text);
    dialog.setText(IDC_PANEL_ERRATA, record.errata);
    std::snprintf(nameBuffer, sizeof nameBuffer, "%s", record.name);
    dialog.setText(IDC_PANEL_ALIGNMENT, AlignmentNames[record.alignment]);
}

// `namesCard` false: no card is chosen, and the "has" line stays blank.
void showStatistics(Dialog& dialog, bool namesCard) {
    const int deck = currentDeck;
    // The total is 64-bit: counts read from a file can be large.
    char total[24];
    *std::to_chars(total, total + sizeof total - 1, deckTotal(deckSet.decks[deck])).ptr = '\0';
    char line[320];
    std::snprintf(line, sizeof line, "Store Deck %d total %s Cards", deck + 1, total);
    dialog.setText(IDC_PANEL_TOTAL, line);

    const int selection = dialog.listSelection();
    if (selection >= 0)
        std::snprintf(nameBuffer, sizeof nameBuffer, "%s", dialog.listText(selection).c_str());
    if (namesCard) {
        std::snprintf(line, sizeof line, "%s %d has %d %s", "Deck ", deck + 1,
                      static_cast<int>(deckSet.decks[deck].counts[selectedCard]), nameBuffer);
        dialog.setText(IDC_PANEL_HAS, line);
    }

    std::snprintf(line, sizeof line, "%s %d is %d %s", "Deck ", deck + 1,
                  completionPercent(deckSet.decks[deck]), "% Complete.");
    dialog.setText(IDC_PANEL_COMPLETE, line);
}

} // namespace

void resetCardPanel() {
    nameBuffer[0] = '\0';
}

void refreshPanel(Dialog& dialog, int position) {
    const RedrawHold hold(dialog);
    blankLabels(dialog);
    if (filterState.deckSearchMask != 0) return;
    const int card = listPositionToCard(position);
    if (card >= 0) showCard(dialog, card);
    // Entries but no selection: the name typed in the list's field matches none of
    // them, so no card is chosen. An empty list still names the card shown before.
    const bool typedNameMatchesNothing = position < 0 && listCount > 0;
    showStatistics(dialog, !typedNameMatchesNothing);
}
