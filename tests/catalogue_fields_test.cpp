// Checks the built-in catalogue's fields as compiled: fixed widths and padding, length
// ranges, the character set, and the widths of the category name tables.
#include "catalogue/card_record.h"
#include "catalogue/name_tables.h"
#include "catalogue_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <set>
#include <string>

namespace {

using namespace cataloguetest;

constexpr unsigned char DegreeSign = 0xB0;

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

} // namespace
