#include "reports/deck_report.h"
#include "reports/list_report.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

#include "browser/card_list.h"
#include "browser/filters.h"
#include "catalogue/card_record.h"
#include "catalogue/name_tables.h"
#include "ui/control_ids.h"
#include "shell/main_dialog.h"
#include "store/deck_set.h"
#include "tests/support/memory_dialog.h"

namespace {

// Report lines are written here with '·' for each space, as they are easiest to
// count; this turns them into the real bytes and adds the CR LF.
std::string line(const std::string& dotted) {
    std::string text;
    for (std::size_t at = 0; at < dotted.size(); ++at) {
        if (dotted.compare(at, 2, "\xC2\xB7") == 0) {
            text += ' ';
            ++at;
        } else {
            text += dotted[at];
        }
    }
    return text + "\r\n";
}

// The made-up card of the worked examples.
CardRecord sampleCard() {
    CardRecord record{};
    std::strcpy(record.name, "Sample Card                          ");
    record.set = 0;
    record.type = 3;
    std::strcpy(record.cardId, "XX001");
    std::strcpy(record.artist, "Sample Artist            ");
    record.alignment = 1;
    record.rarity = 1;
    std::strcpy(record.rarityCode, "X1     ");
    return record;
}

std::vector<std::string> linesOf(const std::string& report) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = report.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(report.substr(start, end - start));
    EXPECT_EQ(start, report.size()) << "the report must end in CR LF";
    return lines;
}

std::string deckReport(int deck, bool detailed, bool needs, bool filtered) {
    std::string out;
    using R = DeckReportKind;
    writeDeckReport(out, deck,
                    {needs ? R::Needs : R::Cards, detailed ? R::Detailed : R::Basic,
                     filtered ? R::Filtered : R::WholeCatalogue});
    return out;
}

const std::string EmptyTrailer = "Total Cards 0\r\n";

TEST(ReportEntries, WorkedExamplesComeOutByteForByte) {
    const CardRecord card = sampleCard();
    std::string out;
    appendBasicEntry(out, card, 3, false);
    EXPECT_EQ(out, line("Sample·Card··························:·3·:·Ashfall·······"));
    EXPECT_EQ(out.size(), 57u + 2);

    out.clear();
    appendBasicEntry(out, card, 0, true);
    EXPECT_EQ(out, line("Sample·Card··························:·Ashfall·······"));

    out.clear();
    appendDetailedEntry(out, card, 3, false);
    const std::string first =
        line("NAME·:·Sample·Card···························TYPE:·Resource·Item····ID:·XX001·");
    const std::string third =
        line("ALIG·:·Hero··································RARITY:·Common····X1······");
    EXPECT_EQ(out, first +
                       line("GAME·:·Ashfall·······NUM:·3··················ARTIST:·Sample·Artist"
                            "············") +
                       third + "\r\n");
    EXPECT_EQ(first.size(), 78u + 2);
    EXPECT_EQ(third.size(), 71u + 2);

    out.clear();
    appendDetailedEntry(out, card, 0, true);
    EXPECT_EQ(out, first +
                       line("GAME·:·Ashfall·······························ARTIST:·Sample·Artist"
                            "············") +
                       third + "\r\n");
}

TEST(ReportEntries, WholeSingleCardReportsAre74And70Bytes) {
    std::string deck;
    appendBasicEntry(deck, sampleCard(), 3, false);
    appendReportTrailer(deck, 1);
    EXPECT_EQ(deck, line("Sample·Card··························:·3·:·Ashfall·······") +
                        line("Total·Cards·1"));
    EXPECT_EQ(deck.size(), 74u);

    std::string list; // a list entry is the basic Needs entry
    appendBasicEntry(list, sampleCard(), 0, true);
    appendReportTrailer(list, 1);
    EXPECT_EQ(list, line("Sample·Card··························:·Ashfall·······") +
                        line("Total·Cards·1"));
    EXPECT_EQ(list.size(), 70u);
}

TEST(ReportEntries, WiderCountsPushTheRestOfTheLineRight) {
    const CardRecord card = sampleCard();
    struct Case {
        int32_t count;
        const char* written;
        std::size_t artistColumn; // 0-based
    };
    for (const Case& c : {Case{4, "4", 45}, Case{255, "255", 47}, Case{-2, "-2", 46},
                          Case{-2147483647 - 1, "-2147483648", 55}}) {
        std::string basic;
        appendBasicEntry(basic, card, c.count, false);
        EXPECT_EQ(basic.substr(37), std::string(": ") + c.written + " : Ashfall       \r\n");

        std::string detailed;
        appendDetailedEntry(detailed, card, c.count, false);
        const std::vector<std::string> lines = linesOf(detailed);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[1].substr(21, 5 + std::strlen(c.written)),
                  std::string("NUM: ") + c.written);
        EXPECT_EQ(lines[1].find("ARTIST: "), c.artistColumn) << c.written;
        EXPECT_EQ(lines[1].size(), c.artistColumn + 8 + 25);
    }
}

// Reports over the catalogue, driven by the process-wide decks and filters.
class DeckReportTest : public ::testing::Test {
  protected:
    void SetUp() override { resetProgramState(); }
    void TearDown() override { resetProgramState(); }
};

TEST_F(DeckReportTest, EmptyDeckListsNothingAsCardsAndEverythingAsNeeds) {
    for (bool detailed : {false, true})
        for (bool filtered : {false, true})
            EXPECT_EQ(deckReport(0, detailed, false, filtered), EmptyTrailer)
                << "a report without entries has no empty line either";

    const std::vector<std::string> basic = linesOf(deckReport(0, false, true, false));
    ASSERT_EQ(basic.size(), 1675u);
    EXPECT_EQ(basic.back(), "Total Cards 1674");
    for (int card = 0; card < CardCount; ++card) {
        ASSERT_EQ(basic[card].size(), 53u) << card;
        ASSERT_EQ(basic[card].compare(0, 37, CardCatalogue[card].name), 0) << card;
        ASSERT_EQ(basic[card].substr(37), std::string(": ") + SetNames[CardCatalogue[card].set]);
    }

    const std::vector<std::string> detailed = linesOf(deckReport(0, true, true, false));
    ASSERT_EQ(detailed.size(), 4u * 1674 + 1);
    for (int card = 0; card < CardCount; ++card) {
        ASSERT_EQ(detailed[4 * card].substr(7, 37), CardCatalogue[card].name) << card;
        ASSERT_EQ(detailed[4 * card + 1].size(), 78u) << card;
        ASSERT_EQ(detailed[4 * card + 3], "") << "empty line after entry " << card;
    }
    EXPECT_EQ(detailed.back(), "Total Cards 1674");
}

TEST_F(DeckReportTest, CardsReportListsHeldCardsOnceEachInCatalogueOrder) {
    deckSet.decks[2].counts[700] = 4;
    deckSet.decks[2].counts[3] = 255;
    deckSet.decks[2].counts[10] = -2;
    deckSet.decks[1].counts[5] = 1; // another deck: not in deck 2's reports

    const std::vector<std::string> cards = linesOf(deckReport(2, false, false, false));
    ASSERT_EQ(cards.size(), 4u);
    EXPECT_EQ(cards[0].substr(0, 37), CardCatalogue[3].name);
    EXPECT_EQ(cards[0].substr(37, 8), ": 255 : ");
    EXPECT_EQ(cards[1].substr(37, 7), ": -2 : ");
    EXPECT_EQ(cards[2].substr(37, 6), ": 4 : ");
    EXPECT_EQ(cards[2].substr(0, 37), CardCatalogue[700].name);
    EXPECT_EQ(cards[3], "Total Cards 3") << "entries, not copies";

    const std::string needs = deckReport(2, false, true, false);
    EXPECT_NE(needs.find("Total Cards 1671\r\n"), std::string::npos);
    EXPECT_EQ(linesOf(needs)[3].substr(0, 37), CardCatalogue[4].name) << "cards 3 and 10 are held";
}

TEST_F(DeckReportTest, FilteredEqualsUnfilteredWithEveryBoxTicked) {
    deckSet.decks[0].counts[1] = 2;
    deckSet.decks[0].counts[1500] = 9;
    for (bool detailed : {false, true})
        for (bool needs : {false, true})
            EXPECT_EQ(deckReport(0, detailed, needs, true), deckReport(0, detailed, needs, false));
}

TEST_F(DeckReportTest, NoSetTickedLeavesFilteredReportsEmptyAndUnfilteredOnesAlone) {
    deckSet.decks[0].counts[1] = 2;
    std::string unfiltered[2][2];
    for (int detailed : {0, 1})
        for (int needs : {0, 1})
            unfiltered[detailed][needs] = deckReport(0, detailed, needs, false);
    filterState.setMask = 0;
    for (int detailed : {0, 1})
        for (int needs : {0, 1}) {
            EXPECT_EQ(deckReport(0, detailed, needs, true), EmptyTrailer);
            EXPECT_EQ(deckReport(0, detailed, needs, false), unfiltered[detailed][needs]);
        }
}

TEST_F(DeckReportTest, FilteredReportKeepsOnlyCardsOfTheTickedCategories) {
    filterState.setMask = 1u << 2;
    const std::vector<std::string> lines = linesOf(deckReport(0, false, true, true));
    ASSERT_GT(lines.size(), 1u);
    for (std::size_t at = 0; at + 1 < lines.size(); ++at)
        ASSERT_EQ(lines[at].substr(39), SetNames[2]) << lines[at];
    EXPECT_EQ(lines.back(), "Total Cards " + std::to_string(lines.size() - 1));
}

TEST_F(DeckReportTest, DeckSearchPlaysNoPart) {
    deckSet.decks[0].counts[8] = 1;
    const std::string cards = deckReport(0, true, false, true);
    const std::string needs = deckReport(0, false, true, false);
    filterState.deckSearchMask = AllDecks;
    EXPECT_EQ(deckReport(0, true, false, true), cards);
    EXPECT_EQ(deckReport(0, false, true, false), needs);
}

// The current-list report follows the list box as last built.
class ListReportTest : public DeckReportTest {
  protected:
    void SetUp() override {
        DeckReportTest::SetUp();
        onInitDialog(dialog);
    }
    std::string report() const {
        std::string out;
        writeListReport(out);
        return out;
    }
    MemoryDialog dialog;
};

TEST_F(ListReportTest, FullListGivesEveryCardWithItsOwnSet) {
    const std::vector<std::string> lines = linesOf(report());
    ASSERT_EQ(lines.size(), 1675u);
    for (int card = 0; card < CardCount; ++card)
        ASSERT_EQ(lines[card],
                  std::string(CardCatalogue[card].name) + ": " + SetNames[CardCatalogue[card].set]);
    EXPECT_EQ(lines.back(), "Total Cards 1674");
}

TEST_F(ListReportTest, EmptyListGivesTheTrailerAlone) {
    dialog.click(IDC_SET_ALL);
    ASSERT_EQ(listCount, 0);
    EXPECT_EQ(report(), EmptyTrailer);
}

TEST_F(ListReportTest, DeckSearchCountsNamesShownNotMatches) {
    deckSet.decks[1].counts[20] = 1;
    deckSet.decks[1].counts[900] = 2;
    dialog.click(IDC_SEARCH_DECK_TWO);
    ASSERT_EQ(dialog.text(IDC_MATCH_COUNT), "1674");
    const std::vector<std::string> lines = linesOf(report());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1],
              std::string(CardCatalogue[900].name) + ": " + SetNames[CardCatalogue[900].set]);
    EXPECT_EQ(lines[2], "Total Cards 2");

    // Clearing the deck does not rebuild the list; the report writes it as built.
    clearDeck(1);
    EXPECT_EQ(linesOf(report()), lines);
}

} // namespace
