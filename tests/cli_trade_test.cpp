// The console program's trade and apply-trade, in-process, between two small
// collections whose trade is counted by hand (target 3, so keep 3):
//   card   rarity     mine          theirs                       give get
//   HM355  Common     5 (spare 2)   1 (missing 2)                  2
//   HM145  Common     7 (spare 4)   0 (missing 3)                  3
//   HM270  Common     3 (at 3)      9 (spare 6)                        0
//   AF241  Common     0             4 (spare 1)                        1
//   GW141  Common     0             4 in deck 2, 4 in deck 4           3
//   GW158  Uncommon   255 (deck 2)  0                              3
//   HM107  Uncommon   0             200 in deck 1, 55 in deck 3        3
//   SR064  Uncommon   0             5 (spare 2)                        2
//   SR078  Rare       5 (spare 2)   0                              2
// Balanced: Common 4 for 4 (my HM145 whole, then 1 of HM355), Uncommon 3 for 3 (their
// HM107 whole, SR064 left out), Rare unmatched.
#include <gtest/gtest.h>

#include "cli/cards/card_fields.h"
#include "tests/cli_test_support.h"

namespace {

using clitest::cli;

std::string lf(std::string text) {
    std::erase(text, '\r');
    return text;
}

void put(DeckSet& decks, int deck, const char* id, int count) {
    decks.decks[deck - 1].counts[CardIdIndex().find(id)] = count;
}

const std::string Header = "id     name                                   set             "
                           "rarity     spare  missing";
const std::string Rarities = "rarity       give     get  balanced\n"
                             "Fixed           0       0  nothing to trade\n"
                             "Common          5       4  4 for 4\n"
                             "Uncommon        3       5  3 for 3\n"
                             "Rare            2       0  unmatched: only you can give\n"
                             "Promotion       0       0  nothing to trade\n";
const std::string Offered = "You give: 4 cards, 10 copies\n" + Header + "   give\n" +
                            "HM355  Aelermir's Barrow                      Hollowmere      Common  "
                            "       2        2      2\n"
                            "HM145  Aelid                                  Hollowmere      Common  "
                            "       4        3      3\n"
                            "  Common     2 cards, 5 copies\n"
                            "GW158  A Warm Barn                            Grimward        "
                            "Uncommon     252        3      3\n"
                            "  Uncommon   1 card, 3 copies\n"
                            "SR078  Aelald's Wardens                       Stormreach      Rare    "
                            "       2        3      2\n"
                            "  Rare       1 card, 2 copies\n\n"
                            "You get: 4 cards, 9 copies\n" +
                            Header + "    get\n" +
                            "AF241  Alderwell                              Ashfall         Common  "
                            "       1        3      1\n"
                            "GW141  Aligar                                 Grimward        Common  "
                            "       5        3      3\n"
                            "  Common     2 cards, 4 copies\n"
                            "HM107  A Warm Barn                            Hollowmere      "
                            "Uncommon     252        3      3\n"
                            "SR064  Alderhall-folk                         Stormreach      "
                            "Uncommon       2        3      2\n"
                            "  Uncommon   2 cards, 5 copies\n\n" +
                            Rarities;
const std::string Balanced = "You give: 3 cards, 7 copies\n" + Header + "   give\n" +
                             "HM355  Aelermir's Barrow                      Hollowmere      Common "
                             "        2        2      1\n"
                             "HM145  Aelid                                  Hollowmere      Common "
                             "        4        3      3\n"
                             "  Common     2 cards, 4 copies\n"
                             "GW158  A Warm Barn                            Grimward        "
                             "Uncommon     252        3      3\n"
                             "  Uncommon   1 card, 3 copies\n\n"
                             "You get: 3 cards, 7 copies\n" +
                             Header + "    get\n" +
                             "AF241  Alderwell                              Ashfall         Common "
                             "        1        3      1\n"
                             "GW141  Aligar                                 Grimward        Common "
                             "        5        3      3\n"
                             "  Common     2 cards, 4 copies\n"
                             "HM107  A Warm Barn                            Hollowmere      "
                             "Uncommon     252        3      3\n"
                             "  Uncommon   1 card, 3 copies\n\n" +
                             Rarities;

struct CliTrade : testing::Test {
    testfiles::TempFolder folder;
    DeckSet mine{}, theirs{};
    std::string minePath, theirsPath;

    void SetUp() override {
        put(mine, 1, "HM355", 5), put(mine, 1, "HM145", 7), put(mine, 1, "HM270", 3);
        put(mine, 1, "SR078", 5), put(mine, 2, "GW158", 255);
        put(theirs, 1, "HM355", 1), put(theirs, 1, "HM270", 9), put(theirs, 1, "AF241", 4);
        put(theirs, 2, "GW141", 4), put(theirs, 4, "GW141", 4), put(theirs, 1, "HM107", 200);
        put(theirs, 3, "HM107", 55), put(theirs, 1, "SR064", 5);
        minePath = clitest::writeDecks(folder, "mine.tvn", mine);
        theirsPath = clitest::writeDecks(folder, "theirs.tvn", theirs);
    }
    std::string file(const char* name, const std::string& text) {
        testfiles::writeBytes(folder.file(name), text);
        return folder.file(name);
    }
};

TEST_F(CliTrade, GivesAndGetsAsCountedByHand) {
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out, err;
    } cases[] = {
        {{"--target", "3"}, 0, Offered, ""},
        {{"--target", "3", "--keep", "3", "--their-target", "3", "--balanced"}, 0, Balanced, ""},
        {{"--target", "U=3,R=3", "--deck", "1", "--balanced"},
         1,
         "",
         "no card to trade: no rarity both of you can give: you give only Rare, they give "
         "only Uncommon\n"},
        {{"--target", "3", "--their-deck", "5"},
         1,
         "",
         "no card to trade: you want nothing they can spare at --their-keep 3\n"},
        {{"--target", "C=3", "--keep", "C=2"},
         2,
         "",
         "cardhold-cli trade: --keep 2 is below --target 3 for Common: a card would be both "
         "spare and missing\nRun 'cardhold-cli trade --help' for its usage.\n"},
    };
    for (const auto& each : cases) {
        std::vector<std::string> args{"trade", minePath, theirsPath};
        args.insert(args.end(), each.args.begin(), each.args.end());
        const clitest::Run run = cli(args);
        EXPECT_EQ(run.status, each.status) << each.args[1];
        EXPECT_EQ(lf(run.out), each.out) << each.args[1];
        EXPECT_EQ(run.err, each.err) << each.args[1];
    }
}

TEST_F(CliTrade, TheirWantsAndSparesListsReadAsTheirDeckFile) {
    for (const char* form : {"--csv", "--list"}) {
        const std::string wants = folder.file("wants"), spares = folder.file("spares");
        ASSERT_EQ(cli({"wants", theirsPath, "--target", "3", form, "-o", wants}).status, 0);
        ASSERT_EQ(cli({"spares", theirsPath, "--keep", "3", form, "-o", spares}).status, 0);
        const clitest::Run run = cli(
            {"trade", minePath, "--their-wants", wants, "--their-spares", spares, "--target", "3"});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(lf(run.out), Offered) << form;
    }
}

TEST_F(CliTrade, TheAgreedListsAppliedOnBothSides) {
    const std::string give = folder.file("give.txt"), get = folder.file("get.txt");
    ASSERT_EQ(cli({"trade", minePath, theirsPath, "--target", "3", "--balanced", "--give-list",
                   give, "--get-list", get})
                  .status,
              0);
    EXPECT_EQ(testfiles::readBytes(give),
              "3 A Warm Barn (Grimward)\r\n1 Aelermir's Barrow\r\n3 Aelid\r\n");
    EXPECT_EQ(testfiles::readBytes(get),
              "3 A Warm Barn (Hollowmere)\r\n1 Alderwell\r\n3 Aligar\r\n");

    const clitest::Run me =
        cli({"apply-trade", "--give", give, "--get", get, "-o", minePath, "--onto", minePath});
    EXPECT_EQ(lf(me.out), "deck 1: 5 cards changed, +7 copies, -4 copies\n"
                          "deck 2: 1 card changed, -3 copies\nwrote " +
                              minePath + "\n");
    const clitest::Run them =
        cli({"apply-trade", "--give", get, "--get", give, "-o", theirsPath, "--onto", theirsPath});
    EXPECT_EQ(them.status, 0) << them.err;
    // From the deck holding the most: HM107's deck 1, and deck 2 of GW141's tie.
    put(mine, 1, "HM355", 4), put(mine, 1, "HM145", 4), put(mine, 2, "GW158", 252);
    put(mine, 1, "HM107", 3), put(mine, 1, "AF241", 1), put(mine, 1, "GW141", 3);
    put(theirs, 1, "HM107", 197), put(theirs, 1, "AF241", 3), put(theirs, 2, "GW141", 1);
    put(theirs, 1, "GW158", 3), put(theirs, 1, "HM355", 2), put(theirs, 1, "HM145", 3);
    EXPECT_TRUE(testfiles::readBytes(minePath) == encodeDeckFile(mine));
    EXPECT_TRUE(testfiles::readBytes(theirsPath) == encodeDeckFile(theirs));
}

TEST_F(CliTrade, ARefusedTradeWritesNothing) {
    const std::string give = file("give.txt", "8 Aelid\n\n1 HM107\n");
    const std::string get = file("get.txt", "# from a friend\n1 A Warm Barn (Grimward)\n");
    const std::string out = folder.file("out.tvn");
    const clitest::Run run = cli({"apply-trade", "--give", give, "--get", get, "--into-deck", "2",
                                  "-o", out, "--onto", minePath});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, give + ":1: HM145 Aelid: gives 8 copies, deck 1 holds 7\n" + give +
                           ":3: HM107 A Warm Barn: gives 1 copy, deck 1 holds 0\n" + get +
                           ":2: GW158 A Warm Barn: deck 2 would hold 256; counts are 0 to 255\n");
    EXPECT_FALSE(std::filesystem::exists(testfiles::fromUtf8(out)));
}

} // namespace
