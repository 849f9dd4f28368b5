#pragma once
// The card panel: the chosen card's details and the current deck's statistics.

class Dialog;

void resetCardPanel();
// Shows the card at list position `position` (-1 or past the end: no card) and the
// current deck's three statistics lines; blank while a deck search is ticked.
void refreshPanel(Dialog& dialog, int position);
