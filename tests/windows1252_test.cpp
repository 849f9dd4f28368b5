#include "catalogue/windows1252.h"

#include <gtest/gtest.h>

#include "catalogue/card_record.h"

namespace {

TEST(Windows1252, EveryByteConvertsToUnicodeAndBackExactly) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const std::u16string utf16 = windows1252ToUtf16(all);
    EXPECT_EQ(utf16[0x80 - 1], u'\u20AC');
    EXPECT_EQ(utf16[0xE9 - 1], u'\u00E9');
    std::string back;
    ASSERT_TRUE(utf16ToWindows1252(utf16, back));
    EXPECT_EQ(back, all);
    EXPECT_FALSE(utf16ToWindows1252(u"\u0416", back)) << "Cyrillic has no Windows-1252 byte";
    EXPECT_EQ(windows1252ToUtf8("\xC9lan \x80\x97"), "\xC3\x89lan \xE2\x82\xAC\xE2\x80\x94");
}

TEST(Windows1252, FoldedNamesFollowTheCatalogueOrder) {
    EXPECT_EQ(foldName("\xC9lan   "), "elan");
    EXPECT_EQ(foldName("ELAN"), foldName("\xE9lan"));
    EXPECT_EQ(foldName("Stone-wall's Keep "), "stonewalls keep");
    EXPECT_EQ(foldName("   "), "");
    for (int card = 1; card < CardCount; ++card)
        ASSERT_LE(foldName(CardCatalogue[card - 1].name), foldName(CardCatalogue[card].name))
            << "card " << card;
}

} // namespace
