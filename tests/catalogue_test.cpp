// Checks the built-in catalogue as compiled: field layout and padding, the character set,
// the sort order, repeated names, card ids and how many cards carry each category value.
#include "catalogue/card_record.h"
#include "catalogue/name_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr std::size_t NameWidth = 37;
constexpr std::size_t ArtistWidth = 25;
constexpr std::size_t CodeWidth = 7;
constexpr std::size_t IdWidth = 5;

constexpr int Common = 1;
constexpr int Hero = 1;
constexpr int Minion = 3;
constexpr int Stormreach = 4;

constexpr unsigned char DegreeSign = 0xB0;

// The accented letters of the catalogue (Windows-1252) and the letter each sorts as.
struct Accent {
    unsigned char code;
    char base;
};
constexpr std::array<Accent, 15> Accents = {{
    {0xE1, 'a'}, // a acute
    {0xE2, 'a'}, // a circumflex
    {0xE4, 'a'}, // a diaeresis
    {0xE9, 'e'}, // e acute
    {0xEB, 'e'}, // e diaeresis
    {0xC9, 'e'}, // E acute
    {0xED, 'i'}, // i acute
    {0xEE, 'i'}, // i circumflex
    {0xF3, 'o'}, // o acute
    {0xF4, 'o'}, // o circumflex
    {0xD3, 'o'}, // O acute
    {0xD4, 'o'}, // O circumflex
    {0xFA, 'u'}, // u acute
    {0xFB, 'u'}, // u circumflex
    {0xDB, 'u'}, // U circumflex
}};

bool isAccent(unsigned char c) {
    return std::any_of(Accents.begin(), Accents.end(),
                       [c](const Accent& a) { return a.code == c; });
}

bool isAsciiLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string trimmed(const char* s) {
    std::string r(s);
    r.erase(r.find_last_not_of(' ') + 1);
    return r;
}

std::string describe(int index) {
    return "card " + std::to_string(index) + " \"" + trimmed(CardCatalogue[index].name) + "\"";
}

// True when the field holds a NUL and every byte after the first NUL is 0 as well.
template <std::size_t N> bool zeroAfterTerminator(const char (&field)[N]) {
    const char* nul = static_cast<const char*>(std::memchr(field, 0, N));
    if (nul == nullptr) return false;
    return std::all_of(nul, field + N, [](char c) { return c == 0; });
}

// The four free-text fields, for checks that treat them alike.
enum TextField { NameField, ArtistField, TextBodyField, ErrataField, TextFieldCount };
const char* const TextFieldNames[TextFieldCount] = {"name", "artist", "text", "errata"};

const char* textField(const CardRecord& r, int field) {
    switch (field) {
    case NameField: return r.name;
    case ArtistField: return r.artist;
    case TextBodyField: return r.text;
    default: return r.errata;
    }
}

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

// ---- Field layout -----------------------------------------------------------------------

TEST(CatalogueLayout, PaddedFieldsHaveTheirFixedWidths) {
    for (int i = 0; i < CardCount; ++i) {
        const CardRecord& r = CardCatalogue[i];
        EXPECT_EQ(std::strlen(r.name), NameWidth) << describe(i);
        EXPECT_EQ(std::strlen(r.artist), ArtistWidth) << describe(i);
        EXPECT_EQ(std::strlen(r.rarityCode), CodeWidth) << describe(i);
        EXPECT_EQ(std::strlen(r.cardId), IdWidth) << describe(i);
    }
}

TEST(CatalogueLayout, EveryByteAfterAFieldsTerminatorIsZero) {
    for (int i = 0; i < CardCount; ++i) {
        const CardRecord& r = CardCatalogue[i];
        EXPECT_TRUE(zeroAfterTerminator(r.name)) << describe(i);
        EXPECT_TRUE(zeroAfterTerminator(r.errata)) << describe(i);
        EXPECT_TRUE(zeroAfterTerminator(r.cardId)) << describe(i);
        EXPECT_TRUE(zeroAfterTerminator(r.artist)) << describe(i);
        EXPECT_TRUE(zeroAfterTerminator(r.rarityCode)) << describe(i);
        EXPECT_TRUE(zeroAfterTerminator(r.text)) << describe(i);
    }
}

TEST(CatalogueLayout, UnpaddedLengthsStayWithinTheirRanges) {
    for (int i = 0; i < CardCount; ++i) {
        const CardRecord& r = CardCatalogue[i];
        const std::size_t name = trimmed(r.name).size();
        EXPECT_TRUE(name >= 3 && name <= 33) << describe(i) << " name length " << name;
        EXPECT_NE(r.name[0], ' ') << describe(i);
        const std::size_t artist = trimmed(r.artist).size();
        EXPECT_TRUE(artist >= 4 && artist <= 25) << describe(i) << " artist length " << artist;
        EXPECT_NE(r.artist[0], ' ') << describe(i);
        const std::size_t text = std::strlen(r.text);
        EXPECT_TRUE(text >= 9 && text <= 756) << describe(i) << " text length " << text;
        EXPECT_NE(trimmed(r.text).size(), 0u) << describe(i) << " text is blank";
        const std::size_t errata = std::strlen(r.errata);
        EXPECT_TRUE(errata == 0 || (errata >= 8 && errata <= 380))
            << describe(i) << " errata length " << errata;
        if (errata > 0) {
            EXPECT_NE(trimmed(r.errata).size(), 0u) << describe(i) << " errata is blank";
        }
    }
}

TEST(CatalogueLayout, LengthRangesAreReachedAtBothEnds) {
    std::size_t minName = 99, maxName = 0, minArtist = 99, maxArtist = 0;
    std::size_t minText = 9999, maxText = 0, minErrata = 9999, maxErrata = 0;
    int fullWidthArtists = 0, textsEndingInSpace = 0, textsWithDoubleSpace = 0;
    for (const CardRecord& r : CardCatalogue) {
        minName = std::min(minName, trimmed(r.name).size());
        maxName = std::max(maxName, trimmed(r.name).size());
        minArtist = std::min(minArtist, trimmed(r.artist).size());
        maxArtist = std::max(maxArtist, trimmed(r.artist).size());
        if (r.artist[ArtistWidth - 1] != ' ') ++fullWidthArtists;
        const std::size_t text = std::strlen(r.text);
        minText = std::min(minText, text);
        maxText = std::max(maxText, text);
        if (r.text[text - 1] == ' ') ++textsEndingInSpace;
        if (std::strstr(r.text, "  ") != nullptr) ++textsWithDoubleSpace;
        const std::size_t errata = std::strlen(r.errata);
        if (errata == 0) continue;
        minErrata = std::min(minErrata, errata);
        maxErrata = std::max(maxErrata, errata);
    }
    EXPECT_EQ(minName, 3u);
    EXPECT_EQ(maxName, 33u);
    EXPECT_EQ(minArtist, 4u);
    EXPECT_EQ(maxArtist, 25u);
    EXPECT_GT(fullWidthArtists, 0) << "no artist fills all 25 characters";
    EXPECT_EQ(minText, 9u);
    EXPECT_EQ(maxText, 756u);
    EXPECT_EQ(minErrata, 8u);
    EXPECT_EQ(maxErrata, 380u);
    EXPECT_GT(textsEndingInSpace, 0);
    EXPECT_GT(textsWithDoubleSpace, 0);
}

TEST(CatalogueCharacters, OnlyPrintableAsciiAccentedLettersAndTheDegreeSign) {
    for (int i = 0; i < CardCount; ++i) {
        const CardRecord& r = CardCatalogue[i];
        for (int field = 0; field < TextFieldCount; ++field) {
            for (const char* p = textField(r, field); *p != 0; ++p) {
                const unsigned char c = static_cast<unsigned char>(*p);
                const bool ascii = c >= 0x20 && c <= 0x7E;
                const bool degree = c == DegreeSign && field == TextBodyField;
                EXPECT_TRUE(ascii || isAccent(c) || degree)
                    << describe(i) << " " << TextFieldNames[field] << " holds byte "
                    << static_cast<int>(c);
            }
        }
        for (const char* p = r.cardId; *p != 0; ++p)
            EXPECT_TRUE(*p >= 0x21 && *p <= 0x7E) << describe(i);
        for (const char* p = r.rarityCode; *p != 0; ++p)
            EXPECT_TRUE(*p >= 0x20 && *p <= 0x7E) << describe(i);
    }
}

TEST(CatalogueCharacters, NamesHoldOnlyLettersSpacesAndTheirPunctuation) {
    const std::string punctuation = " -',()!&?";
    for (int i = 0; i < CardCount; ++i) {
        for (const char* p = CardCatalogue[i].name; *p != 0; ++p) {
            const unsigned char c = static_cast<unsigned char>(*p);
            EXPECT_TRUE(isAsciiLetter(c) || isAccent(c) ||
                        punctuation.find(*p) != std::string::npos)
                << describe(i) << " holds '" << *p << "'";
        }
    }
}

TEST(CatalogueCharacters, AccentedLettersAndTheDegreeSignOccur) {
    // Which accented letters each kind of field uses.
    std::array<std::set<unsigned char>, TextFieldCount> used;
    bool degreeInTexts = false;
    for (const CardRecord& r : CardCatalogue) {
        for (int field = 0; field < TextFieldCount; ++field) {
            for (const char* p = textField(r, field); *p != 0; ++p) {
                const unsigned char c = static_cast<unsigned char>(*p);
                if (isAccent(c)) used[field].insert(c);
                if (c == DegreeSign && field == TextBodyField) degreeInTexts = true;
            }
        }
    }
    for (int field = 0; field < TextFieldCount; ++field)
        EXPECT_FALSE(used[field].empty()) << "no accented letter in any " << TextFieldNames[field];
    for (const Accent& a : Accents) {
        const bool somewhere = std::any_of(used.begin(), used.end(), [&](const auto& letters) {
            return letters.count(a.code) != 0;
        });
        EXPECT_TRUE(somewhere) << "accented letter " << static_cast<int>(a.code) << " never occurs";
    }
    EXPECT_TRUE(degreeInTexts);
}

// ---- Name tables ------------------------------------------------------------------------

template <std::size_t Rows, std::size_t Width>
void checkNameTable(const char (&table)[Rows][Width], std::set<std::string>& unpadded) {
    for (std::size_t i = 0; i < Rows; ++i) {
        EXPECT_EQ(std::strlen(table[i]), Width - 1) << "entry \"" << table[i] << "\"";
        EXPECT_NE(table[i][0], ' ') << "entry \"" << table[i] << "\"";
        if (table[i][Width - 2] != ' ') unpadded.insert(table[i]);
    }
}

TEST(CatalogueNameTables, EntriesFillTheirTableWidth) {
    std::set<std::string> unpadded;
    checkNameTable(SetNames, unpadded);
    checkNameTable(TypeNames, unpadded);
    checkNameTable(RarityNames, unpadded);
    checkNameTable(AlignmentNames, unpadded);
    // Only these three fill their width without a trailing space.
    EXPECT_EQ(unpadded, (std::set<std::string>{"Resource Faction", "Promotion", "Neutral"}));
    EXPECT_EQ(trimmed(SetNames[5]), trimmed(AlignmentNames[5]));
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
