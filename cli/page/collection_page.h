#pragma once
// The collection as one self-contained HTML page: per deck and for the five together
// the window's totals and a completion bar per set opening into its rarities, and
// the whole catalogue as a table that an inline script narrows as one types. The page
// makes no network request and reads no other file.
#include <string>
#include <string_view>

#include "cli/cards/rarity_targets.h"

struct DeckSet;

// `title` is UTF-8; `targets`, when given, adds the cards at their target to every
// bar and sets what "missing" and "spare" mean in the table (else: none held, more
// than one held). The figures come from the functions the window's statistics use.
std::string buildCollectionPage(const DeckSet& decks, std::string_view title,
                                const RarityTargets* targets);

// The page's style sheet and script (collection_page.css and .js, made byte arrays by
// cmake/embed_bytes.cmake). The page is readable without the script: it only shows
// the search controls and narrows the table. The typed text is folded with the
// program's own table (fold-table: every character the program's folding changes,
// with what it becomes); each row holds its fields folded by the program. Hidden rows
// are not laid out, so a narrowing lays out only the rows shown.
extern const char CollectionPageStyle[];
extern const char CollectionPageScript[];
