#pragma once
// The card panel: the chosen card's details and the current deck's statistics.

class Dialog;

void resetCardPanel();
// Shows the card at list position `position` (-1 or past the end: no card) and the
// current deck's three statistics lines; blank while a deck search is ticked. With
// no position in a list that has entries (a typed name that matches none), the card
// labels and the "has" line stay blank.
void refreshPanel(Dialog& dialog, int position);
