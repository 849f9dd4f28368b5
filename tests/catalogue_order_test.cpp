// Checks the order of the built-in catalogue against a statement of the rule of its own,
// and the names that repeat: how often, that the copies stand together, and in which sets.
#include "catalogue/card_record.h"
#include "catalogue_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace cataloguetest;

constexpr int Hero = 1;
constexpr int Minion = 3;
constexpr int Stormreach = 4;

// ---- Order rule -------------------------------------------------------------------------

// What a name character sorts as: hyphens and apostrophes are skipped (0), letters compare
// without case and accents, everything else by its own code.
unsigned char sortValue(unsigned char c) {
    if (c == '-' || c == '\'') return 0;
    for (const Accent& a : Accents)
        if (a.code == c) return static_cast<unsigned char>(a.base);
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c - 'A' + 'a');
    return c;
}

// Negative, zero or positive as name a sorts before, with or after name b. Trailing spaces
// do not count; a name that runs out first is a prefix of the other and sorts first.
int compareNames(const char* a, const char* b) {
    const std::size_t endA = trimmed(a).size();
    const std::size_t endB = trimmed(b).size();
    std::size_t i = 0, j = 0;
    for (;;) {
        while (i < endA && sortValue(static_cast<unsigned char>(a[i])) == 0)
            ++i;
        while (j < endB && sortValue(static_cast<unsigned char>(b[j])) == 0)
            ++j;
        if (i == endA || j == endB) return (i == endA ? 0 : 1) - (j == endB ? 0 : 1);
        const unsigned char ca = sortValue(static_cast<unsigned char>(a[i]));
        const unsigned char cb = sortValue(static_cast<unsigned char>(b[j]));
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
}

// Records with equal names are ordered by cardId, character by character.
int compareRecords(const CardRecord& a, const CardRecord& b) {
    const int byName = compareNames(a.name, b.name);
    if (byName != 0) return byName;
    for (int k = 0;; ++k) {
        const unsigned char ca = static_cast<unsigned char>(a.cardId[k]);
        const unsigned char cb = static_cast<unsigned char>(b.cardId[k]);
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

// Card indices grouped by stored name (all 38 bytes), in catalogue order.
std::map<std::string, std::vector<int>> recordsByName() {
    std::map<std::string, std::vector<int>> groups;
    for (int i = 0; i < CardCount; ++i)
        groups[std::string(CardCatalogue[i].name, sizeof CardCatalogue[i].name)].push_back(i);
    return groups;
}

// ---- Order ------------------------------------------------------------------------------

TEST(CatalogueOrder, ComparatorFollowsTheNameRule) {
    // Hyphens and apostrophes are ignored.
    EXPECT_LT(compareNames("Stonewain", "Stone-wall"), 0);
    EXPECT_LT(compareNames("Stone-wall", "Stonex"), 0);
    EXPECT_EQ(compareNames("Morvek's Due", "Morveks Due"), 0);
    // Accented letters sort as their base letter, capitals as small letters.
    EXPECT_LT(compareNames("Ekar", "\311lan"), 0);
    EXPECT_LT(compareNames("\311lan", "Elbo"), 0);
    EXPECT_EQ(compareNames("\333ther \323rn", "uther orn"), 0);
    EXPECT_EQ(compareNames("K\342ldur", "Kaldur"), 0);
    EXPECT_EQ(compareNames("ASHEN WAY", "ashen way"), 0);
    // A prefix sorts first; trailing spaces do not count.
    EXPECT_LT(compareNames("Ash      ", "Ash Wight"), 0);
    EXPECT_EQ(compareNames("Ash      ", "Ash"), 0);
    // Space and punctuation sort by code, below every letter.
    EXPECT_LT(compareNames("Ash Wight", "Ashen"), 0);
    EXPECT_LT(compareNames("Orrik Stone", "Orrik, Thane"), 0);
    EXPECT_LT(compareNames("Hold Fast!", "Hold Faster"), 0);
    EXPECT_LT(compareNames("Salt & Ash", "Salt (Old)"), 0);
    EXPECT_LT(compareNames("Who Goes There?", "Who Goes Therea"), 0);
    EXPECT_GT(compareNames("Zed", "Elbo"), 0);

    // Equal names fall back to the card id.
    CardRecord a{};
    CardRecord b{};
    std::strcpy(a.name, "Harrow");
    std::strcpy(b.name, "harrow");
    std::strcpy(a.cardId, "HM101");
    std::strcpy(b.cardId, "AF900");
    EXPECT_GT(compareRecords(a, b), 0);
    std::strcpy(b.cardId, "HM102");
    EXPECT_LT(compareRecords(a, b), 0);
}

TEST(CatalogueOrder, RecordsAreSortedByName) {
    int outOfOrder = 0;
    for (int i = 1; i < CardCount; ++i) {
        if (compareRecords(CardCatalogue[i - 1], CardCatalogue[i]) < 0) continue;
        if (++outOfOrder <= 10)
            ADD_FAILURE() << describe(i - 1) << " " << CardCatalogue[i - 1].cardId
                          << " does not sort before " << describe(i) << " "
                          << CardCatalogue[i].cardId;
    }
    EXPECT_EQ(outOfOrder, 0);
}

TEST(CatalogueOrder, NamesExerciseEveryPartOfTheRule) {
    // Each character the rule treats specially appears in some name.
    for (const char c : std::string("-',()!&?")) {
        const bool found = std::any_of(
            std::begin(CardCatalogue), std::end(CardCatalogue),
            [c](const CardRecord& r) { return trimmed(r.name).find(c) != std::string::npos; });
        EXPECT_TRUE(found) << "no name holds '" << c << "'";
    }
    // Somewhere a plain byte comparison would order two neighbours the other way.
    int plainDisagrees = 0;
    for (int i = 1; i < CardCount; ++i)
        if (trimmed(CardCatalogue[i - 1].name) > trimmed(CardCatalogue[i].name)) ++plainDisagrees;
    EXPECT_GT(plainDisagrees, 0);
}

// ---- Repeated names ---------------------------------------------------------------------

TEST(CatalogueNames, RepetitionCountsAndAdjacency) {
    // Names are counted as stored bytes: the two pairs that sort as equal but are spelled
    // differently count as four names that occur once.
    const auto groups = recordsByName();
    std::map<std::size_t, int> namesBySize;
    for (const auto& [name, indices] : groups) {
        ++namesBySize[indices.size()];
        for (std::size_t k = 1; k < indices.size(); ++k)
            EXPECT_EQ(indices[k], indices[k - 1] + 1)
                << "copies of \"" << trimmed(name.c_str()) << "\" are not adjacent";
    }
    EXPECT_EQ(groups.size(), 1468u);
    EXPECT_EQ(namesBySize, (std::map<std::size_t, int>{{1, 1282}, {2, 166}, {3, 20}}));
}

TEST(CatalogueNames, TwoSpellingPairsSortAsEqual) {
    // Neighbours whose names compare equal but are stored differently.
    const auto groups = recordsByName();
    int caseOnly = 0, accentOnly = 0, pairs = 0;
    for (int i = 1; i < CardCount; ++i) {
        const CardRecord& a = CardCatalogue[i - 1];
        const CardRecord& b = CardCatalogue[i];
        if (compareNames(a.name, b.name) != 0 || std::strcmp(a.name, b.name) == 0) continue;
        ++pairs;
        std::vector<std::size_t> differ;
        for (std::size_t k = 0; k < NameWidth; ++k)
            if (a.name[k] != b.name[k]) differ.push_back(k);
        ASSERT_EQ(differ.size(), 1u) << describe(i - 1) << " and " << describe(i);
        const unsigned char ca = static_cast<unsigned char>(a.name[differ[0]]);
        const unsigned char cb = static_cast<unsigned char>(b.name[differ[0]]);
        if (isAsciiLetter(ca) && isAsciiLetter(cb)) ++caseOnly;
        if (isAccent(ca) || isAccent(cb)) ++accentOnly;
        EXPECT_EQ(groups.at(std::string(a.name, NameWidth + 1)).size(), 1u) << describe(i - 1);
        EXPECT_EQ(groups.at(std::string(b.name, NameWidth + 1)).size(), 1u) << describe(i);
    }
    EXPECT_EQ(pairs, 2);
    EXPECT_EQ(caseOnly, 1);
    EXPECT_EQ(accentOnly, 1);
}

TEST(CatalogueNames, RepeatsShareASetOnlyAsStormreachHeroAndMinion) {
    int sameSetNames = 0;
    for (const auto& [name, indices] : recordsByName()) {
        if (indices.size() < 2) continue;
        std::set<int> sets;
        for (int i : indices)
            sets.insert(CardCatalogue[i].set);
        if (sets.size() == indices.size()) continue; // every copy in its own set
        ++sameSetNames;
        ASSERT_EQ(indices.size(), 2u) << describe(indices[0]);
        const CardRecord& a = CardCatalogue[indices[0]];
        const CardRecord& b = CardCatalogue[indices[1]];
        EXPECT_EQ(a.set, Stormreach) << describe(indices[0]);
        EXPECT_EQ(std::min(a.alignment, b.alignment), Hero) << describe(indices[0]);
        EXPECT_EQ(std::max(a.alignment, b.alignment), Minion) << describe(indices[0]);
    }
    EXPECT_EQ(sameSetNames, 4);
}

} // namespace
