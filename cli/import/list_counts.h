#pragma once
// Counts from a plain card list into one deck of an import, one card a line (see
// card_list_line.h); the faults come in line order.
#include <string_view>

#include "cli/text/input_faults.h"

struct DeckImport;

void readListCounts(std::string_view text, int deck, DeckImport& target, InputFaults& faults);
