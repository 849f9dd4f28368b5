#pragma once
// Counts from a CSV table into an import, the columns found by their header names
// (compared without case, surrounding spaces and underscores; other columns ignored):
// - the counts: deck1..deck5, or one count column (count, quantity, qty; missing
//   and spare as wants and spares write them) for the deck --deck names;
// - the card: its id (id, card id); else its set (set code, edition code, or set,
//   edition, set name) and number (collector number, card number, number: "158",
//   "7" or "GW158"); else its name (name, card name, card) with an optional set
//   ("Grimward", "Varnholm Grimward" or "GW").
// A row whose cells are all empty is skipped, a row that stops before the last
// column used is a fault, an empty count cell is 0.
#include "cli/text/csv_reader.h"

struct DeckImport;

// Reads the whole table into the import (its --deck: the deck a count column fills,
// else the deckN columns); the faults come in line order.
void readCsvCounts(CsvReader& table, DeckImport& import, InputFaults& faults);
