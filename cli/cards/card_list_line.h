#pragma once
// One line of a plain card list, as players paste deck lists: "3 Amber Horn",
// "3x Amber Horn" or "Amber Horn" (one copy), optionally with the set after the name
// in parentheses or brackets ("3 Amber Horn (Grimward)", "[GW]"), or the id instead
// of the name ("3 GW030"). A trailing (...) or [...] is the set only when it names
// one of the sets; otherwise it is part of the name, as in some cards' names.
#include <cstddef>
#include <string>
#include <string_view>

#include "cli/cards/card_matcher.h"

struct CardListEntry {
    bool ignored = false;             // blank, or a comment: "# ..." or "// ..."
    long count = 1;                   // as parseCount reads it
    std::string_view countText = "1"; // as written
    std::string_view name;            // the card's name, or its id
    std::string_view set;             // "" when none is given
};

CardListEntry parseCardListLine(std::string_view line);

// The entry's card, or why there is none.
CardMatch matchCardListEntry(const CardListEntry& entry, bool explain);

// The line for `count` copies of `card`, without its line end: the name alone when
// no other card has it, the name and set when no other card of the set has it, else
// the id; so that the line always reads back as this card.
std::string cardListLine(std::size_t card, unsigned count);
