#include "browser/card_list.h"

#include <cstdio>

#include "browser/card_panel.h"
#include "browser/filters.h"
#include "ui/control_ids.h"
#include "ui/dialog.h"
#include "store/deck_set.h"

int listCount = 0;
int listCards[CardCount];

void resetCardList() {
    listCount = 0;
}

void rebuildList(Dialog& dialog) {
    listCount = 0;
    // Emptied with its drawing already off: the list repaints once, after the fill.
    dialog.listBeginFill(CardCount);
    dialog.listClear();
    int matches = 0;
    for (int card = 0; card < CardCount; ++card) {
        if (!passesCategories(card)) continue;
        // The match count ignores the deck search on purpose: it counts what the
        // set, type and rarity filters let through.
        ++matches;
        if (!passesDeckSearch(card)) continue;
        dialog.listAppend(CardCatalogue[card].name);
        listCards[listCount++] = card;
    }
    dialog.listEndFill();
    dialog.listSelect(listCount > 0 ? 0 : -1);
    char text[16];
    std::snprintf(text, sizeof text, "%d", matches);
    dialog.setText(IDC_MATCH_COUNT, text);
    refreshPanel(dialog, 0);
}

int listPositionToCard(int position) {
    if (position < 0 || position >= listCount) return -1;
    return listCards[position];
}
