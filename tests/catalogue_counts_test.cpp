// Checks how many records of the built-in catalogue carry each set, type, rarity, alignment
// and distribution code, and the card ids: one code per set, numbered 1..N within it.
#include "catalogue/card_record.h"
#include "catalogue/name_tables.h"
#include "catalogue_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace cataloguetest;

constexpr int Common = 1;

// ---- Card ids ---------------------------------------------------------------------------

TEST(CatalogueIds, CodesAndNumbersPerSet) {
    std::map<int, std::set<std::string>> codesOfSet;
    std::map<int, std::vector<int>> numbersOfSet; // in catalogue order
    std::set<std::string> ids;
    for (int i = 0; i < CardCount; ++i) {
        const CardRecord& r = CardCatalogue[i];
        const char* id = r.cardId;
        ASSERT_TRUE(std::isupper(static_cast<unsigned char>(id[0])) &&
                    std::isupper(static_cast<unsigned char>(id[1])))
            << describe(i) << " id " << id;
        ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(id[2])) &&
                    std::isdigit(static_cast<unsigned char>(id[3])) &&
                    std::isdigit(static_cast<unsigned char>(id[4])))
            << describe(i) << " id " << id;
        codesOfSet[r.set].insert(std::string(id, 2));
        numbersOfSet[r.set].push_back(std::atoi(id + 2));
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(CardCount));

    std::set<std::string> allCodes;
    for (int s = 0; s < SetCount; ++s) {
        ASSERT_EQ(codesOfSet[s].size(), 1u) << "set " << s << " uses several codes";
        allCodes.insert(*codesOfSet[s].begin());

        // The numbers are 1..N, each once, and do not follow the catalogue order.
        std::vector<int> numbers = numbersOfSet[s];
        EXPECT_FALSE(std::is_sorted(numbers.begin(), numbers.end())) << "set " << s;
        std::sort(numbers.begin(), numbers.end());
        std::vector<int> expected(numbers.size());
        for (std::size_t k = 0; k < expected.size(); ++k)
            expected[k] = static_cast<int>(k) + 1;
        EXPECT_EQ(numbers, expected) << "set " << s;
    }
    EXPECT_EQ(allCodes.size(), static_cast<std::size_t>(SetCount));
}

// ---- Composition ------------------------------------------------------------------------

TEST(CatalogueComposition, CategoryValuesAndTheirCounts) {
    std::vector<int> sets(SetCount), types(TypeCount), rarities(RarityCount),
        alignments(AlignmentCount);
    for (int i = 0; i < CardCount; ++i) {
        const CardRecord& r = CardCatalogue[i];
        ASSERT_TRUE(r.set >= 0 && r.set < SetCount) << describe(i);
        ASSERT_TRUE(r.type >= 0 && r.type < TypeCount) << describe(i);
        ASSERT_TRUE(r.rarity >= 0 && r.rarity < RarityCount) << describe(i);
        ASSERT_TRUE(r.alignment >= 0 && r.alignment < AlignmentCount) << describe(i);
        ++sets[r.set];
        ++types[r.type];
        ++rarities[r.rarity];
        ++alignments[r.alignment];
    }
    EXPECT_EQ(sets, (std::vector<int>{492, 184, 183, 419, 170, 104, 122}));
    EXPECT_EQ(types, (std::vector<int>{195, 34, 98, 268, 362, 155, 290, 220, 52}));
    EXPECT_EQ(rarities, (std::vector<int>{111, 534, 477, 535, 17}));
    EXPECT_EQ(alignments, (std::vector<int>{20, 538, 499, 527, 68, 22}));

    int withErrata = 0;
    for (const CardRecord& r : CardCatalogue)
        if (r.errata[0] != 0) ++withErrata;
    EXPECT_EQ(withErrata, 97);
}

// A distribution code: one part or two joined by a comma, a part being one or two capital
// letters and an optional digit 1..5.
bool wellFormedCode(const std::string& code) {
    std::size_t pos = 0;
    for (int part = 0; part < 2; ++part) {
        std::size_t letters = 0;
        while (pos < code.size() && code[pos] >= 'A' && code[pos] <= 'Z')
            ++pos, ++letters;
        if (letters < 1 || letters > 2) return false;
        if (pos < code.size() && code[pos] >= '1' && code[pos] <= '5') ++pos;
        if (pos == code.size()) return true;
        if (code[pos++] != ',') return false;
    }
    return false;
}

TEST(CatalogueComposition, DistributionCodesMatchRarities) {
    struct Code {
        int rarity;
        int records;
    };
    const std::map<std::string, Code> expected = {
        {"F1", {0, 77}},     {"F2", {0, 24}},   {"F3", {0, 4}},   {"F4", {0, 1}},
        {"F5", {0, 5}},      {"C", {1, 8}},     {"C1", {1, 38}},  {"C2", {1, 130}},
        {"C3", {1, 41}},     {"C4", {1, 16}},   {"CA1", {1, 55}}, {"CA2", {1, 31}},
        {"CB", {1, 6}},      {"CB1", {1, 71}},  {"CB2", {1, 25}}, {"CB,CS1", {1, 90}},
        {"CB,CS2", {1, 15}}, {"F5,CB", {1, 8}}, {"U", {2, 262}},  {"U1", {2, 1}},
        {"U2", {2, 159}},    {"U3", {2, 54}},   {"U4", {2, 1}},   {"R", {3, 323}},
        {"R1", {3, 9}},      {"R2", {3, 134}},  {"R3", {3, 69}},  {"P", {4, 17}},
    };
    std::map<std::string, int> seen;
    for (int i = 0; i < CardCount; ++i) {
        const CardRecord& r = CardCatalogue[i];
        const std::string code = trimmed(r.rarityCode);
        ASSERT_TRUE(r.rarity >= 0 && r.rarity < RarityCount) << describe(i);
        EXPECT_TRUE(wellFormedCode(code)) << describe(i) << " code \"" << code << "\"";
        // The first letter is the rarity's initial; "F5,CB" is the one code on Common cards
        // that breaks this.
        if (code == "F5,CB") {
            EXPECT_EQ(r.rarity, Common) << describe(i);
        } else {
            EXPECT_EQ(code[0], RarityNames[r.rarity][0])
                << describe(i) << " code \"" << code << "\"";
        }
        const auto it = expected.find(code);
        if (it == expected.end()) {
            ADD_FAILURE() << describe(i) << " has unknown code \"" << code << "\"";
            continue;
        }
        EXPECT_EQ(r.rarity, it->second.rarity) << describe(i) << " code \"" << code << "\"";
        ++seen[code];
    }
    EXPECT_EQ(seen.size(), 28u);
    for (const auto& [code, entry] : expected)
        EXPECT_EQ(seen[code], entry.records) << "code \"" << code << "\"";
}

} // namespace
