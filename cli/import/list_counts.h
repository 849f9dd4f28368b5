#pragma once
// Counts from a plain card list into the deck of an import (its --deck), one card a
// line (see card_list_line.h); the faults come in line order.
#include <span>

#include "cli/text/input_faults.h"

struct DeckImport;

void readListRows(std::span<char> text, DeckImport& import, InputFaults& faults);
