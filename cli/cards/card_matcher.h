#pragma once
// The one way a card is named outside the window: by its identifier (any case), by a
// set and its number in the set ("158", "7" or "GW158"), or by its name with an
// optional set (the set's name, its full name or its two-letter code). Names are
// folded as the catalogue orders them (and as the window's typing search finds
// them), so "aleons oath" and "ALEÓN’S OATH" both find "Aleón's Oath", and a name is
// unique when no other card's name folds to the same text. A miss says why: the
// cards a name stands for, or the nearest names.
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/name_tables.h"
#include "cli/cards/card_fields.h"
#include "cli/text/text_spaces.h"

// What to tell the user when a name stands for several cards: in a CSV "add a set
// or id column", in a list "give the set in parentheses or the id".
struct AmbiguityAdvice {
    std::string_view addSet; // when a set would tell them apart
    std::string_view addId;  // when they share their set too
};

struct CardMatch {
    int card = -1;     // the card, when exactly one fits
    std::string fault; // otherwise why not, ready to follow "FILE:LINE: "
};

// A user's UTF-8 text folded as foldName folds the catalogue's Windows-1252 names:
// surrounding spaces removed, combining accents dropped, characters outside the code
// page kept as a byte no name holds.
std::string foldTypedName(std::string_view utf8);
// The same, or false, having stopped, once the folded text would be longer than
// `most` bytes: a text longer than any name is never folded whole.
bool foldTypedNameWithin(std::string_view utf8, std::size_t most, std::string& folded);

class CardMatcher {
  public:
    CardMatcher();

    // 0..SetCount-1, or -1 when the text names no set.
    int findSet(std::string_view text) const;

    CardMatch byId(std::string_view id) const;
    CardMatch bySetAndNumber(std::string_view set, std::string_view number) const;
    // `set` may be empty. Nearest names are looked for only when `explain` is set
    // (for the faults that are shown).
    CardMatch byName(std::string_view name, std::string_view set, const AmbiguityAdvice& advice,
                     bool explain) const;

  private:
    std::vector<int> nearestNames(const std::string& folded) const;
    std::string unknownSet(std::string_view text) const;

    CardIdIndex ids_;
    std::string codes_[SetCount];
    std::string foldedSets_[SetCount][2]; // the name and the full name
    std::size_t longestName_ = 0;         // of the folded names
    std::size_t longestSet_ = 0;          // of the folded set names
    std::vector<std::string> folded_;     // each card's folded name
    std::unordered_map<std::string_view, std::vector<int>> names_;
};

// Built once, on first use.
const CardMatcher& cardMatcher();
