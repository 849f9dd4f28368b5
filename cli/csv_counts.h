#pragma once
// Counts from a CSV table onto the decks. The header (row 1) names the `id` column
// and the count columns, `deck1`..`deck5`, or `count` for one chosen deck; header
// names are compared without regard to case and other columns are ignored. Rows are
// matched by card identifier; a row whose cells are all empty is skipped, a row that
// stops before the last count column is a fault, an empty count cell is 0. Cards the
// table does not name keep their counts, unless the rules say to replace its decks.
#include "cli/csv_reader.h"

struct DeckSet;

struct CsvImportRules {
    int countDeck = -1;   // the deck (0..4) a `count` column fills; -1: the deckN columns
    bool replace = false; // the decks the table has a column for take every count from
                          // it: 0 for the cards it does not name
};

// Reads the whole table; the faults come in line order, and none means every count
// landed. On a fault `decks` may be partly changed.
void applyCsvCounts(CsvReader& table, const CsvImportRules& rules, DeckSet& decks,
                    CsvFaults& faults);
