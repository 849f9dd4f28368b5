#include "browser/card_list.h"

#include <cstdio>
#include <string>

#include "browser/card_panel.h"
#include "browser/filters.h"
#include "catalogue/windows1252.h"
#include "ui/control_ids.h"
#include "ui/dialog.h"
#include "store/deck_set.h"

int listCount = 0;
namespace {
int listCards[CardCount]; // the card each entry stands for
} // namespace
int recordedListSelection = -1;

void resetCardList() {
    listCount = 0;
    recordedListSelection = -1;
}

void rebuildList(Dialog& dialog) {
    listCount = 0;
    dialog.listBeginFill(CardCount);
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
    recordedListSelection = listCount > 0 ? 0 : -1;
    dialog.listSelect(recordedListSelection);
    char text[16];
    std::snprintf(text, sizeof text, "%d", matches);
    dialog.setText(IDC_MATCH_COUNT, text);
    refreshPanel(dialog, 0);
}

int listPositionToCard(int position) {
    if (position < 0 || position >= listCount) return -1;
    return listCards[position];
}

int findListEntry(std::string_view typed) {
    const std::string wanted = foldName(typed);
    if (wanted.empty()) return -1;
    for (int position = 0; position < listCount; ++position)
        if (foldName(CardCatalogue[listCards[position]].name).starts_with(wanted)) return position;
    return -1;
}
