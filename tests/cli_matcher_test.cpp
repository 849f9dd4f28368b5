// Naming a card outside the window: the card matcher and the card list line.
#include <gtest/gtest.h>

#include "catalogue/card_record.h"
#include "cli/cards/card_list_line.h"
#include "cli/cards/card_matcher.h"

namespace {

constexpr AmbiguityAdvice Advice{"add a set or id column", "add an id column"};

int card(const char* id) {
    return CardIdIndex().find(id);
}

TEST(CardMatcher, FindsByIdSetAndNumberAndFoldedName) {
    const CardMatcher& matcher = cardMatcher();
    EXPECT_EQ(matcher.byId(" gw158 ").card, 0);
    EXPECT_EQ(matcher.byId("GW999").fault, "unknown card id \"GW999\"");
    EXPECT_EQ(matcher.bySetAndNumber("GW", "158").card, 0);
    EXPECT_EQ(matcher.bySetAndNumber("grimward", "gw158").card, 0);
    EXPECT_EQ(matcher.bySetAndNumber("Varnholm Hollowmere", "7").card, card("HM007"));
    EXPECT_EQ(matcher.bySetAndNumber("MV", "GW158").card, -1);
    EXPECT_EQ(matcher.bySetAndNumber("Varnholm", "1").fault,
              "no set \"Varnholm\"; the sets are Ashfall (AF), Emberkin (EK), Grimward (GW), "
              "Hollowmere (HM), Stormreach (SR), Morvek (MV), Frostgate (FG)");
    for (const char* name :
         {"aleons oath", "ALE\xC3\x93N\xE2\x80\x99S OATH", " Aleo\xCC\x81n's Oath"})
        EXPECT_EQ(matcher.byName(name, "", Advice, true).card, card("SR004")) << name;
}

TEST(CardMatcher, ASharedNameNeedsItsSetOrIdAndAMissIsExplainedOnlyWhenAsked) {
    const CardMatcher& matcher = cardMatcher();
    EXPECT_EQ(matcher.byName("amber horn", "Grimward", Advice, true).card, card("GW030"));
    EXPECT_EQ(matcher.byName("amber horn", "varnholm morvek", Advice, true).card, card("MV038"));
    EXPECT_EQ(matcher.byName("amber horn", "mv", Advice, true).card, card("MV038"));
    EXPECT_EQ(matcher.byName("Amber Horn", "Frostgate", Advice, true).fault,
              "\"Amber Horn\" is not in Frostgate: it is GW030 (Grimward), MV038 (Morvek)");
    EXPECT_EQ(matcher.byName("Fellkeep", "SR", Advice, true).fault,
              "\"Fellkeep\" is 2 cards: SR073 (Stormreach), SR157 (Stormreach); add an id column");
    EXPECT_EQ(matcher.byName("Amber Hron", "", Advice, false).fault, "no card \"Amber Hron\"");
    EXPECT_EQ(matcher.byName("\x1b]0;x\x07", "", Advice, true).fault, "no card \"\\x1b]0;x\\x07\"");
}

TEST(CardListLine, EveryCardsLineReadsBackAsThatCard) {
    EXPECT_EQ(cardListLine(card("HM145"), 3), "3 Aelid");
    EXPECT_EQ(cardListLine(card("GW030"), 1), "1 Amber Horn (Grimward)");
    EXPECT_EQ(cardListLine(card("SR157"), 2), "2 SR157");
    for (std::size_t each = 0; each < CardCount; ++each) {
        const std::string line = cardListLine(each, 7);
        const CardListEntry entry = parseCardListLine(line);
        ASSERT_EQ(entry.count, 7u);
        ASSERT_EQ(matchCardListEntry(entry, false).card, static_cast<int>(each)) << line;
    }
    const CardListEntry bracketed = parseCardListLine("  12x Amber Horn [mv] ");
    EXPECT_EQ(bracketed.count, 12u);
    EXPECT_EQ(matchCardListEntry(bracketed, true).card, card("MV038"));
    EXPECT_EQ(parseCardListLine("Bramreach (abandoned)").name, "Bramreach (abandoned)");
    EXPECT_EQ(parseCardListLine("Aelid").count, 1u);
    for (const char* ignored : {"", "  ", "# binder 2", "// sideboard"})
        EXPECT_TRUE(parseCardListLine(ignored).ignored) << ignored;
}

} // namespace
