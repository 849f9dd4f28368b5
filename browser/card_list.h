#pragma once
// The card list: names of the cards that pass the filters, in catalogue order.
#include <string_view>

#include "catalogue/card_record.h"

class Dialog;

extern int listCount; // entries added by the last rebuild
// The entry last selected by the user or the program, or -1. The list's own selection
// is cleared by the control while the user types, so this is what is shown again when
// the typed text finds nothing.
extern int recordedListSelection;

void resetCardList();
void rebuildList(Dialog& dialog);
// The card entry `position` stands for, or -1 when there is no such entry.
int listPositionToCard(int position);
// The first entry whose name starts with `typed`, names compared as the catalogue
// orders them; -1 when none does or `typed` folds to nothing.
int findListEntry(std::string_view typed);
