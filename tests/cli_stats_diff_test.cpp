// The console program's stats and diff commands, and its usage errors.
#include <gtest/gtest.h>

#include "tests/cli_test_support.h"

namespace {

using clitest::cli;

TEST(CliStats, ASetHeldInFullIsAtOneHundredAndTheOthersAtZero) {
    testfiles::TempFolder folder;
    DeckSet decks{};
    for (int card = 0; card < CardCount; ++card)
        decks.decks[1].counts[card] = CardCatalogue[card].set == 0 ? 2 : 0;
    decks.decks[2].counts[7] = 1;
    const std::string path = clitest::writeDecks(folder, "decks.tvn", decks);

    const clitest::Run csv = cli({"stats", path, "--deck", "2", "--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_TRUE(csv.out.starts_with("deck,group,name,held,of,percent\r\n"
                                    "2,deck,All cards,492,1674,29\r\n"
                                    "2,set,Ashfall,492,492,100\r\n"
                                    "2,set,Emberkin,0,184,0\r\n"))
        << csv.out;
    EXPECT_EQ(csv.out.find("\n1,"), std::string::npos); // deck 2 only

    const std::string table = cli({"stats", path}).out;
    EXPECT_NE(table.find("Deck 1: 0 copies, 0 distinct cards, 0 % complete\n"), std::string::npos);
    EXPECT_NE(table.find("Deck 3: 1 copy, 1 distinct card, 0 % complete\n"), std::string::npos);
    EXPECT_NE(table.find("Deck 2: 984 copies, 492 distinct cards, 29 % complete\n"
                         "  group   name             held     of      %\n"
                         "  set     Ashfall           492    492    100\n"
                         "  set     Emberkin            0    184      0\n"),
              std::string::npos)
        << table;
}

TEST(CliStats, DeckFiguresAreTheWindowsOnesAtTheEdges) {
    testfiles::TempFolder folder;
    DeckSet decks{};
    for (int card = 0; card < CardCount; ++card) {
        decks.decks[0].counts[card] = 255;
        decks.decks[1].counts[card] = card < 837 ? 1 : 0;
    }
    const std::string path = clitest::writeDecks(folder, "decks.tvn", decks);
    const std::string table = cli({"stats", path}).out;
    EXPECT_NE(table.find("Deck 1: 426870 copies, 1674 distinct cards, 100 % complete\n"),
              std::string::npos);
    EXPECT_NE(table.find("Deck 2: 837 copies, 837 distinct cards, 50 % complete\n"),
              std::string::npos);
}

TEST(CliDiff, ExitStatusSaysWhetherTheCountsDiffer) {
    testfiles::TempFolder folder;
    DeckSet decks = clitest::patternedDecks();
    const std::string a = clitest::writeDecks(folder, "a.tvn", decks);
    EXPECT_EQ(cli({"diff", a, a}).status, 0);
    EXPECT_EQ(cli({"diff", a, a}).out, "");

    decks.decks[2].counts[0] = 200;  // GW158, was 14
    decks.decks[0].counts[1673] = 0; // the last card
    const std::string b = clitest::writeDecks(folder, "b.tvn", decks);
    const clitest::Run run = cli({"diff", a, b});
    EXPECT_EQ(run.status, 1);
    const CardRecord& last = CardCatalogue[1673];
    EXPECT_EQ(run.out, "deck1 " + std::string(last.cardId) + " " +
                           std::string(last.name, std::string_view(last.name).find("  ")) +
                           ": 151 -> 0\ndeck3 GW158 A Warm Barn: 14 -> 200\n");

    testfiles::writeBytes(folder.file("short.tvn"), "four");
    const clitest::Run bad = cli({"diff", a, folder.file("short.tvn")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "Could not load " + folder.file("short.tvn") +
                           ": wrong size (4 bytes, expected 33480).\n");
    decks.decks[4].counts[0] = 256;
    testfiles::writeBytes(folder.file("c.tvn"), encodeDeckFile(decks));
    EXPECT_EQ(cli({"diff", folder.file("c.tvn"), a}).err,
              "Could not load " + folder.file("c.tvn") + ": deck 5, card GW158: count 256.\n");
}

TEST(CliUsage, MistakesExitWithStatusTwoAndHelpWithZero) {
    testfiles::TempFolder folder;
    const std::string a = clitest::writeDecks(folder, "a.tvn", DeckSet{});
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"diff", a},
                                               {"stats", a, "--deck", "6"},
                                               {"stats", a, "--deck"},
                                               {"export-csv", a, "--separator", ";;"},
                                               {"import-csv", a},
                                               {"stats", a, "--csv", "--csv"}}) {
        const clitest::Run run = cli(args);
        EXPECT_EQ(run.status, 2) << args.size();
        EXPECT_NE(run.err, "");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(cli({"export-csv", a, "out.csv"}).err,
              "cardhold-cli: export-csv takes one deck file; give the output with -o OUT.csv\n"
              "Run 'cardhold-cli export-csv --help' for its usage.\n");
    EXPECT_EQ(cli({"diff", a, a, "c"}).err,
              "cardhold-cli: diff takes two deck files; 'c' was not "
              "expected\nRun 'cardhold-cli diff --help' for its usage.\n");
    EXPECT_EQ(cli({"export-csv", a, "-o", ""}).err,
              "cardhold-cli export-csv: -o needs a file name, or - for standard output\n"
              "Run 'cardhold-cli export-csv --help' for its usage.\n");
    EXPECT_EQ(cli({"export-csv", a, "-o", "-"}).out, cli({"export-csv", a}).out);
    EXPECT_EQ(cli({"--help"}).status, 0);
    EXPECT_EQ(cli({"-h"}).out, cli({"--help"}).out);
    EXPECT_EQ(cli({"help"}).out, cli({"--help"}).out);
    EXPECT_EQ(cli({"help", "diff"}).out, cli({"diff", "-h"}).out);
    const clitest::Run help = cli({"import-csv", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: cardhold-cli import-csv CSVFILE -o DECKFILE"));
    EXPECT_TRUE(cli({"--version"}).out.starts_with("cardhold-cli "));
}

} // namespace
