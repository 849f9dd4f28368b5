#pragma once
// The card list: names of the cards that pass the filters, in catalogue order.
#include "catalogue/card_record.h"

class Dialog;

extern int listCount;            // entries added by the last rebuild
extern int listCards[CardCount]; // the card each entry stands for

void resetCardList();
void rebuildList(Dialog& dialog);
// The card entry `position` stands for, or -1 when there is no such entry.
int listPositionToCard(int position);
