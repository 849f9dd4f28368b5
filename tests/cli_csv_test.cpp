// The console program's CSV commands: export-csv and import-csv.
#include <gtest/gtest.h>

#include "cli/cards/card_fields.h"
#include "cli/text/csv_writer.h"
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
            cli({"import-csv", folder.file("out.csv"), "-o", folder.file("back.tvn"), "--replace"});
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(readBytes(folder.file("back.tvn")), readBytes(decks));
    }
}

TEST(CliExport, RowsAreTrimmedUtf8QuotedOnlyWhereNeededAndEndInCrLf) {
    testfiles::TempFolder folder;
    const std::string decks = clitest::writeDecks(folder, "decks.tvn", DeckSet{});
    const clitest::Run exported = cli({"export-csv", decks});
    EXPECT_EQ(exported.status, 0);
    const std::string& csv = exported.out;
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
    const std::string old = encodeDeckFile(clitest::patternedDecks());
    writeBytes(out, old);
    writeBytes(csv, "id,deck1,deck2\r\n"
                    "GW158,1,2,\"a note over\r\ntwo lines\"\r\n"
                    "ZZ999,1,1\r\n"
                    "GW158,x,256\r\n"
                    "HM107,-1,1.5\r\n"
                    "\"EK\"176,1,1\r\n"
                    "EK1\"76,1,1\r\n"
                    "HM270,\"3\r\n"
                    "\r\n");
    clitest::Run run = cli({"import-csv", csv, "-o", out, "--replace"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, csv + ":4: unknown card id \"ZZ999\"\n" + csv +
                           ":5: card GW158 again, first on line 2 (--sum adds such rows "
                           "together)\n" +
                           csv + ":5: deck 1: count \"x\" is not a whole number in 0..255\n" + csv +
                           ":6: deck 1: count \"-1\" is not a whole number in 0..255\n" + csv +
                           ":6: deck 2: count \"1.5\" is not a whole number in 0..255\n" + csv +
                           ":7: broken quote: text after the closing quote\n" + csv +
                           ":8: broken quote: a quote inside an unquoted field\n" + csv +
                           ":9: broken quote: the quoted field never ends\n");
    EXPECT_EQ(readBytes(out), old);

    // Whatever a file holds, a message shows a short, harmless excerpt of it.
    writeBytes(csv, "\xEF\xBB\xBFid,deck1\nGW158,\"\x1b]0;pwned\x07\x1b[2J\xc2\x9b\xff\"\n" +
                        std::string(39, 'a') + "\xc3\xa9\xc3\xa9,1\n");
    run = cli({"import-csv", csv, "-o", out, "--replace"});
    EXPECT_EQ(run.err, csv +
                           ":2: deck 1: count \"\\x1b]0;pwned\\x07\\x1b[2J\\u009b\\xff\" is not a "
                           "whole number in 0..255\n" +
                           csv + ":3: unknown card id \"" + std::string(39, 'a') +
                           "\xc3\xa9\xe2\x80\xa6\"\n");

    writeBytes(csv, "note,deck1\r\nx,1\r\n");
    run = cli({"import-csv", csv, "-o", out, "--replace"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              csv + ":1: no card column: the header needs id, set code and number, or name\n");

    // Twenty faults are all shown; past that, only their number.
    for (const int count : {20, 23}) {
        std::string many = "id,deck1\n";
        for (int i = 0; i < count; ++i)
            many += "QQ000,1\n";
        writeBytes(csv, many);
        run = cli({"import-csv", csv, "-o", out, "--replace"});
        const std::string last = csv + ":21: unknown card id \"QQ000\"\n";
        EXPECT_TRUE(run.err.ends_with(count == 20 ? last : last + csv + ": 3 more errors\n"))
            << run.err;
    }
    EXPECT_EQ(readBytes(out), old);
    EXPECT_EQ(folder.names().size(), 2u); // no temporary file left either
}

TEST(CliImport, LinesEndInCrLfLfOrCrAndRowsMustReachTheLastCountColumn) {
    testfiles::TempFolder folder;
    const std::string csv = folder.file("in.csv");
    const std::string out = folder.file("out.tvn");
    const CardIdIndex index;
    // "CSV (Macintosh)": CR alone; then LF, CR LF and a CR inside quotes, a row of empty
    // cells and an empty count.
    writeBytes(csv, "id,deck1,deck2\rGW158,1,2\nEK176,\"3\r\",4\r\n,,\rHM270,,5\r");
    clitest::Run run = cli({"import-csv", csv, "-o", out});
    ASSERT_EQ(run.status, 2);
    EXPECT_EQ(run.err, csv + ":3: deck 1: count \"3\\x0d\" is not a whole number in 0..255\n");
    writeBytes(csv, "id,deck1,deck2\rGW158,1,2\nEK176,3,4\r\n,,\rHM270,,5\r");
    run = cli({"import-csv", csv, "-o", out});
    ASSERT_EQ(run.status, 0) << run.err;
    DeckSet expected{};
    expected.decks[0].counts[0] = 1;
    expected.decks[1].counts[0] = 2;
    expected.decks[0].counts[index.find("EK176")] = 3;
    expected.decks[1].counts[index.find("EK176")] = 4;
    expected.decks[1].counts[index.find("HM270")] = 5;
    EXPECT_EQ(readBytes(out), encodeDeckFile(expected));

    const std::string header = "id,name,set,type,rarity,rarity_code,alignment,artist,deck1,deck2,"
                               "deck3,deck4,deck5\r\n";
    const std::vector<std::pair<std::string, std::string>> refused = {
        {header + "GW158,a,b,c\r\n", ":2: 4 cells, the header has 13\n"},
        {header + "GW158,a,b,c,d,e,f,g,1,2,3,4\r\nEK176\r\n",
         ":2: 12 cells, the header has 13\n" + csv + ":3: 1 cell, the header has 13\n"},
        {header + ",,,\r\n\r\n", ": no card rows\n"},
        {"id,deck1", ": no card rows\n"},
        {"\"id,deck1\r\nGW158\",1\r\n", ":1: no card rows\n"},
        {"", ":1: no header line\n"}};
    for (const auto& [text, message] : refused) {
        writeBytes(csv, text);
        run = cli({"import-csv", csv, "-o", out, "--replace"});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, csv + message);
    }
    EXPECT_EQ(readBytes(out), encodeDeckFile(expected));
}

TEST(CliImport, AnExistingDeckFileIsChangedOnlyWithOntoOrReplace) {
    testfiles::TempFolder folder;
    const DeckSet old = clitest::patternedDecks();
    const std::string decks = clitest::writeDecks(folder, "decks.tvn", old);
    const std::string wants = folder.file("wants.csv");
    writeBytes(wants, "id,count\nGW158,7\n");
    const std::vector<std::string> args = {"import-csv", wants, "-o", decks, "--deck", "3"};
    clitest::Run run = cli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, decks + " exists: add --onto " + decks + " to change only the counts in " +
                           wants + ", or --replace to replace the decks it names.\n");
    EXPECT_EQ(readBytes(decks), encodeDeckFile(old));

    const auto importWith = [&](std::vector<std::string> options) {
        std::vector<std::string> all = args;
        all.insert(all.end(), options.begin(), options.end());
        const clitest::Run done = cli(all);
        EXPECT_EQ(done.status, 0) << done.err;
        return readBytes(decks);
    };
    DeckSet onto = old;
    onto.decks[2].counts[0] = 7;
    EXPECT_EQ(importWith({"--onto", decks}), encodeDeckFile(onto));
    DeckSet replaced = old;
    replaced.decks[2] = StoreDeck{};
    replaced.decks[2].counts[0] = 7;
    EXPECT_EQ(importWith({"--onto", decks, "--replace"}), encodeDeckFile(replaced));
    // --replace alone keeps the decks the input does not name, as --onto does.
    EXPECT_EQ(importWith({"--replace"}), encodeDeckFile(replaced));

    run = cli({"import-csv", wants, "-o", folder.file("new.tvn"), "--onto",
               folder.file("missing.tvn"), "--deck", "3"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Could not load " + folder.file("missing.tvn") + ": file not found.\n");
    EXPECT_EQ(folder.names().size(), 2u);
}

TEST(CliCommands, NeverWriteOverTheFileTheyRead) {
    testfiles::TempFolder folder;
    const std::string decks = clitest::writeDecks(folder, "decks.tvn", clitest::patternedDecks());
    const std::string csv = folder.file("decks.csv");
    ASSERT_EQ(cli({"export-csv", decks, "-o", csv}).status, 0);
    std::filesystem::create_hard_link(decks, folder.file("link.tvn"));
    const std::string exported = readBytes(csv);
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"export-csv", decks, "-o", decks},
                                               {"export-csv", decks, "-o", folder.file("link.tvn")},
                                               {"import-csv", csv, "-o", csv, "--replace"},
                                               {"import-csv", csv, "-o", csv, "--onto", decks}}) {
        const clitest::Run run = cli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "Could not write " + args[3] + ": it is the file being read.\n");
    }
    EXPECT_EQ(readBytes(decks), encodeDeckFile(clitest::patternedDecks()));
    EXPECT_EQ(readBytes(csv), exported);
    // Changing a deck file in place is said so by name.
    EXPECT_EQ(cli({"import-csv", csv, "-o", decks, "--onto", decks}).status, 0);
    EXPECT_EQ(readBytes(decks), encodeDeckFile(clitest::patternedDecks()));
}

} // namespace
