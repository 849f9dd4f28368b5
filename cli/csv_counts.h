#pragma once
// Counts from a CSV table onto the decks. The header (row 1) names the `id` column
// and the count columns, `deck1`..`deck5`, or `count` for one chosen deck; header
// names are compared without regard to case and other columns are ignored. Rows are
// matched by card identifier. Cards and decks the table does not name keep their
// counts.
#include <vector>

#include "cli/csv_reader.h"

struct DeckSet;

// The faults of the table and of its rows, by line; none means every count landed.
// `countDeck` is the deck (0..4) that a `count` column fills, or -1 to read the
// `deckN` columns.
std::vector<CsvFault> applyCsvCounts(const CsvTable& table, int countDeck, DeckSet& decks);
