// import-csv on files as collectors keep them: columns found by their header names,
// cards by id, by set and number or by name, sep= lines, tabs and UTF-16.
#include <gtest/gtest.h>

#include "cli/cards/card_fields.h"
#include "tests/cli_test_support.h"

namespace {

using clitest::cli;
using testfiles::readBytes;
using testfiles::writeBytes;

int card(const char* id) {
    return CardIdIndex().find(id);
}

// Imports `csv` into a new deck file; the decks it holds, or the messages.
struct Imported {
    clitest::Run run;
    DeckSet decks{};
};
Imported importCsv(const std::string& csv, std::vector<std::string> options = {}) {
    testfiles::TempFolder folder;
    writeBytes(folder.file("in.csv"), csv);
    std::vector<std::string> args = {"import-csv", folder.file("in.csv"), "-o",
                                     folder.file("out.tvn")};
    args.insert(args.end(), options.begin(), options.end());
    Imported imported{cli(args)};
    decodeDeckFile(readBytes(folder.file("out.tvn")), imported.decks);
    return imported;
}

TEST(CliImportLayouts, EachHeaderLayoutFindsItsCards) {
    // A name with its set as a name, a full name or a code; quantity for --deck.
    const Imported byName =
        importCsv(" Quantity ,Name,Set\n3,Amber Horn,Grimward\n2,amber horn,Varnholm Morvek\n"
                  "1,ALE\xC3\x93N'S OATH,\n5,Aelid,HM\n",
                  {"--deck", "2"});
    ASSERT_EQ(byName.run.status, 0) << byName.run.err;
    EXPECT_EQ(byName.run.out.substr(0, 42), "deck 2: 4 cards changed, +11 copies\nwrote ");
    const int32_t* counts = byName.decks.decks[1].counts;
    EXPECT_EQ(counts[card("GW030")] * 1000 + counts[card("MV038")] * 100 +
                  counts[card("SR004")] * 10 + counts[card("HM145")],
              3215);

    // Set code and number, "158", "7" or "GW158"; deckN columns; lower-case ids.
    const Imported byNumber = importCsv("Edition Code,Collector Number,Deck3,deck5\n"
                                        "gw,158,1,2\nHM,7,3,4\nGW,gw030,5,0\n");
    ASSERT_EQ(byNumber.run.status, 0) << byNumber.run.err;
    EXPECT_EQ(byNumber.decks.decks[2].counts[0], 1);
    EXPECT_EQ(byNumber.decks.decks[4].counts[card("HM007")], 4);
    EXPECT_EQ(byNumber.decks.decks[2].counts[card("GW030")], 5);
    const Imported byId = importCsv("Card ID,Qty\ngw158,9\n", {"--deck", "1"});
    EXPECT_EQ(byId.decks.decks[0].counts[0], 9) << byId.run.err;
}

TEST(CliImportLayouts, AmbiguousAndMisspeltNamesAndOutOfRangeCountsSayWhatToDo) {
    const Imported run = importCsv("Count,Card Name\n1,Amber Horn\n2,Amber Hron\n1000,Aelid\n"
                                   "1,Aelid\n",
                                   {"--deck", "1"});
    EXPECT_EQ(run.run.status, 2);
    const std::string& err = run.run.err;
    EXPECT_NE(err.find(":2: \"Amber Horn\" is 2 cards: GW030 (Grimward), MV038 (Morvek); add a "
                       "set or id column\n"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find(":3: no card \"Amber Hron\"; did you mean \"Amber Horn\"?\n"),
              std::string::npos);
    EXPECT_NE(err.find(":4: card HM145: count 1000; counts are 0 to 255\n"), std::string::npos);
}

TEST(CliImportLayouts, SpreadsheetFilesSepLinesTabsUtf16And1252) {
    const std::string expected = "deck 1: 2 cards changed, +5 copies\n";
    const auto check = [&](const std::string& csv, const char* what) {
        const Imported run = importCsv(csv, {"--deck", "1", "--check"});
        EXPECT_EQ(run.run.out, expected + "--check: nothing written\n") << what << run.run.err;
        EXPECT_EQ(run.decks.decks[0].counts[0], 0) << "--check writes nothing";
    };
    check("sep=;\r\nCount;Name;Set\r\n2;A Warm Barn;Grimward\r\n3;Aelid;\r\n", "sep=");
    check("Count\tName\tSet\n2\tA Warm Barn\tGW\n3\tAelid\t\n", "tab");
    check("Count;Name;Set\n2;A Warm Barn;GW\n3;\xC1"
          "elid;\n",
          "Windows-1252");
    const std::u16string text = u"Count\tName\tSet\r\n2\tA Warm Barn\tGW\r\n3\t\u00C1elid\t\r\n";
    std::string little = "\xFF\xFE";
    for (const char16_t unit : text)
        little += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    check(little, "UTF-16");
}

TEST(CliImportLayouts, AFileGivenToTheWrongCommandSaysWhichOneReadsIt) {
    testfiles::TempFolder folder;
    const std::string decks = clitest::writeDecks(folder, "x.tvn", DeckSet{});
    EXPECT_EQ(cli({"import-csv", decks, "--check"}).err,
              decks + " is a deck file, not a CSV: export-csv reads deck files.\n");
    writeBytes(folder.file("x.csv"), "Quantity,Name\n1,Aelid\n");
    EXPECT_EQ(cli({"stats", folder.file("x.csv")}).err,
              "Could not load " + folder.file("x.csv") +
                  ": wrong size (22 bytes, expected 33480); it looks like a CSV: import it with "
                  "import-csv.\n");
    writeBytes(folder.file("x.txt"), "3 Aelid\n");
    EXPECT_TRUE(cli({"diff", folder.file("x.txt"), decks})
                    .err.ends_with("; it looks like a card list: import it with import-list.\n"));
}

} // namespace
