// The console program's CSV commands: export-csv and import-csv.
#include <gtest/gtest.h>

#include "cli/card_fields.h"
#include "cli/csv_writer.h"
#include "tests/cli_test_support.h"

namespace {

using clitest::cli;
using testfiles::readBytes;
using testfiles::writeBytes;

TEST(CliExportImport, RoundTripGivesTheDeckFileBackByteForByte) {
    testfiles::TempFolder folder;
    const std::string decks = clitest::writeDecks(folder, "decks.tvn", clitest::patternedDecks());
    const std::vector<std::vector<std::string>> variants = {{}, {"--separator", ";", "--no-bom"}};
    for (const std::vector<std::string>& variant : variants) {
        std::vector<std::string> exportArgs = {"export-csv", decks, "-o", folder.file("out.csv")};
        exportArgs.insert(exportArgs.end(), variant.begin(), variant.end());
        ASSERT_EQ(cli(exportArgs).status, 0);
        const clitest::Run imported =
            cli({"import-csv", folder.file("out.csv"), "-o", folder.file("back.tvn")});
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(readBytes(folder.file("back.tvn")), readBytes(decks));
    }
}

TEST(CliExport, RowsAreTrimmedUtf8QuotedOnlyWhereNeededAndEndInCrLf) {
    testfiles::TempFolder folder;
    const std::string decks = clitest::writeDecks(folder, "decks.tvn", DeckSet{});
    const std::string csv = cli({"export-csv", decks}).out;
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBFid,name,set,type,rarity,rarity_code,alignment,"
                                "artist,deck1,deck2,deck3,deck4,deck5\r\n"));
    EXPECT_NE(csv.find("\r\nEK176,\"Ashes, Ashes\",Emberkin,Hazard Event,Fixed,F1,Minion,"
                       "Petra Sallow,0,0,0,0,0\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find("\r\nHM145,Aelid,Hollowmere,Character,Common,\"CB,CS1\",Minion,"
                       "\xC3\x93la Greaves,0,0,0,0,0\r\n"),
              std::string::npos);
    EXPECT_TRUE(csv.ends_with(",0,0,0,0,0\r\n"));
    std::size_t rows = 0;
    for (std::size_t at = csv.find("\r\n"); at != std::string::npos; at = csv.find("\r\n", at + 2))
        ++rows;
    EXPECT_EQ(rows, 1675u);
    EXPECT_EQ(csv.find('\n'), csv.find("\r\n") + 1);

    const std::string semicolons = cli({"export-csv", decks, "--separator", ";", "--no-bom"}).out;
    EXPECT_TRUE(semicolons.starts_with("id;name;set;"));
    EXPECT_NE(semicolons.find("\r\nEK176;Ashes, Ashes;Emberkin;"), std::string::npos);

    std::string field;
    appendCsvField(field, "say \"hi\"", ',');
    appendCsvField(field, "two\r\nlines", ';');
    EXPECT_EQ(field, "\"say \"\"hi\"\"\"\"two\r\nlines\"");
}

TEST(CliImport, ReadsAnEditedSpreadsheetOntoAnExistingFile) {
    testfiles::TempFolder folder;
    const DeckSet onto = clitest::patternedDecks();
    const std::string existing = clitest::writeDecks(folder, "onto.tvn", onto);
    // Semicolons, LF, no byte-order mark, other case, columns moved and added, a name
    // with quotes, semicolons and a line break, an empty count.
    writeBytes(folder.file("edit.csv"), "Note;DECK4;Name;ID\n"
                                        "x;9;\"A \"\"Warm\"\";\nBarn\";GW158\n"
                                        ";;Ashes;EK176\n");
    const clitest::Run run = cli(
        {"import-csv", folder.file("edit.csv"), "-o", folder.file("new.tvn"), "--onto", existing});
    ASSERT_EQ(run.status, 0) << run.err;
    DeckSet expected = onto;
    expected.decks[3].counts[0] = 9; // GW158 is card 0
    expected.decks[3].counts[CardIdIndex().find("EK176")] = 0;
    EXPECT_EQ(readBytes(folder.file("new.tvn")), encodeDeckFile(expected));

    writeBytes(folder.file("one.csv"), "\xEF\xBB\xBFid,count\r\nGW158,4\r\n");
    ASSERT_EQ(
        cli({"import-csv", folder.file("one.csv"), "-o", folder.file("one.tvn"), "--deck", "3"})
            .status,
        0);
    DeckSet only{};
    only.decks[2].counts[0] = 4;
    EXPECT_EQ(readBytes(folder.file("one.tvn")), encodeDeckFile(only));
}

TEST(CliImport, EveryKindOfErrorIsListedByLineAndNothingIsWritten) {
    testfiles::TempFolder folder;
    const std::string csv = folder.file("bad.csv");
    const std::string out = folder.file("out.tvn");
    writeBytes(out, "old bytes");
    writeBytes(csv, "id,deck1,deck2\r\n"
                    "GW158,1,2,\"a note over\r\ntwo lines\"\r\n"
                    "ZZ999,1,1\r\n"
                    "GW158,x,256\r\n"
                    "HM107,-1,1.5\r\n"
                    "\"EK\"176,1,1\r\n"
                    "EK1\"76,1,1\r\n"
                    "HM270,\"3\r\n"
                    "\r\n");
    clitest::Run run = cli({"import-csv", csv, "-o", out});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, csv + ":4: unknown card id \"ZZ999\"\n" + csv +
                           ":5: card GW158 again, first on line 2\n" + csv +
                           ":5: deck 1: count \"x\" is not a whole number in 0..255\n" + csv +
                           ":5: deck 2: count \"256\" is not a whole number in 0..255\n" + csv +
                           ":6: deck 1: count \"-1\" is not a whole number in 0..255\n" + csv +
                           ":6: deck 2: count \"1.5\" is not a whole number in 0..255\n" + csv +
                           ":7: broken quote: text after the closing quote\n" + csv +
                           ":8: broken quote: a quote inside an unquoted field\n" + csv +
                           ":9: broken quote: the quoted field never ends\n");
    EXPECT_EQ(readBytes(out), "old bytes");

    writeBytes(csv, "name,deck1\r\nx,1\r\n");
    run = cli({"import-csv", csv, "-o", out});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, csv + ":1: no id column\n");

    std::string many = "id,deck1\n";
    for (int i = 0; i < 23; ++i)
        many += "QQ000,1\n";
    writeBytes(csv, many);
    run = cli({"import-csv", csv, "-o", out});
    EXPECT_TRUE(
        run.err.ends_with(csv + ":21: unknown card id \"QQ000\"\n" + csv + ": 3 more errors\n"))
        << run.err;
    EXPECT_EQ(readBytes(out), "old bytes");
    EXPECT_EQ(folder.names().size(), 2u); // no temporary file left either
}

} // namespace
