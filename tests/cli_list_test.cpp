// The console program's plain card lists: export-list and import-list, and what
// every import shares (--onto, --replace, --sum, --check, the summary).
#include <gtest/gtest.h>

#include "catalogue/windows1252.h"
#include "cli/cards/card_fields.h"
#include "cli/text/text_decoding.h"
#include "tests/cli_test_support.h"

namespace {

using clitest::cli;
using testfiles::readBytes;
using testfiles::writeBytes;

TEST(CliList, ExportThenImportGivesEveryDeckItsCountsBack) {
    testfiles::TempFolder folder;
    const DeckSet decks = clitest::patternedDecks();
    const std::string path = clitest::writeDecks(folder, "decks.tvn", decks);
    for (int deck = 0; deck < DeckCount; ++deck) {
        const std::string number = std::to_string(deck + 1);
        ASSERT_EQ(cli({"export-list", path, "--deck", number, "-o", folder.file("l.txt")}).status,
                  0);
        const std::string back = folder.file(("back" + number + ".tvn").c_str());
        const clitest::Run run =
            cli({"import-list", folder.file("l.txt"), "-o", back, "--deck", number});
        ASSERT_EQ(run.status, 0) << run.err;
        DeckSet expected{};
        expected.decks[deck] = decks.decks[deck];
        EXPECT_EQ(readBytes(back), encodeDeckFile(expected)) << "deck " << number;
    }
    const std::string list = readBytes(folder.file("l.txt"));
    EXPECT_TRUE(list.starts_with("28 A Warm Barn (Grimward)\r\n59 A Warm Barn (Hollowmere)\r\n"))
        << list.substr(0, 80);
    EXPECT_NE(list.find(" SR157\r\n"), std::string::npos); // Fellkeep, twice in its set
    DeckSet one{};
    one.decks[0].counts[0] = one.decks[3].counts[0] = 1;
#ifdef _WIN32
    const char* const lineEnd = "\r\n";
#else
    const char* const lineEnd = "\n"; // a POSIX terminal's own line end
#endif
    EXPECT_EQ(cli({"export-list", clitest::writeDecks(folder, "one.tvn", one)}).out,
              std::string("2 A Warm Barn (Grimward)") + lineEnd);
}

TEST(CliList, FaultsAreListedByLineAndNothingIsWritten) {
    testfiles::TempFolder folder;
    writeBytes(folder.file("l.txt"), "# binder 1\r\n3 Amber Horn\r\n\r\n2x Amber Hron\r"
                                     "Aelid\n1000 aelid\n// end\n");
    const std::string out = folder.file("d.tvn");
    const clitest::Run run = cli({"import-list", folder.file("l.txt"), "-o", out, "--deck", "1"});
    EXPECT_EQ(run.status, 2);
    const std::string l = folder.file("l.txt");
    EXPECT_EQ(run.err,
              l +
                  ":2: \"Amber Horn\" is 2 cards: GW030 (Grimward), MV038 (Morvek); give "
                  "the set, as in \"3 Amber Horn (Grimward)\", or the id\n" +
                  l + ":4: no card \"Amber Hron\"; did you mean \"Amber Horn\"?\n" + l +
                  ":6: card HM145 again, first on line 5 (--sum adds such rows together)\n");
    EXPECT_FALSE(testfiles::fs::exists(out));
    const clitest::Run summed =
        cli({"import-list", l, "-o", out, "--deck", "1", "--sum", "--check"});
    EXPECT_EQ(summed.status, 2);
    EXPECT_NE(
        summed.err.find(":6: card HM145: count 1001 with the lines before; counts are 0 to 255\n"),
        std::string::npos);
}

TEST(CliList, CheckWritesNothingAndEveryImportSaysWhatChanged) {
    testfiles::TempFolder folder;
    DeckSet start{};
    start.decks[2].counts[CardIdIndex().find("HM145")] = 5;
    start.decks[2].counts[0] = 1;
    const std::string decks = clitest::writeDecks(folder, "decks.tvn", start);
    writeBytes(folder.file("l.txt"), "3 GW030\n2 aelid\n");
    const std::string l = folder.file("l.txt");
    const clitest::Run check = cli({"import-list", l, "-o", decks, "--deck", "3", "--check"});
    EXPECT_EQ(check.status, 2) << "an existing file needs --onto or --replace";
    EXPECT_EQ(check.err, decks + " exists: add --onto " + decks + " to change only the counts in " +
                             l + ", or --replace to replace the decks it names.\n");
    const std::vector<std::string> onto = {"import-list", l,   "-o",     decks,
                                           "--deck",      "3", "--onto", decks};
    std::vector<std::string> dry = onto;
    dry.push_back("--check");
    EXPECT_EQ(cli(dry).out,
              "deck 3: 2 cards changed, +3 copies, -3 copies\n--check: nothing written\n");
    EXPECT_EQ(readBytes(decks), encodeDeckFile(start));
    EXPECT_EQ(cli(onto).out,
              "deck 3: 2 cards changed, +3 copies, -3 copies\nwrote " + decks + "\n");
    EXPECT_EQ(cli(onto).out, "no counts change\nwrote " + decks + "\n");
    const clitest::Run replace = cli({"import-list", l, "-o", decks, "--deck", "3", "--replace"});
    EXPECT_EQ(replace.out, "deck 3: 1 card changed, -1 copy\nreplaced deck 3; kept decks 1, 2, 4 "
                           "and 5 of " +
                               decks + "\nwrote " + decks + "\n");
}

TEST(CliList, ReadsUtf16AndWindows1252) {
    testfiles::TempFolder folder;
    const std::string expected =
        cli({"export-list", clitest::writeDecks(folder, "e.tvn",
                                                [] {
                                                    DeckSet d{};
                                                    d.decks[0].counts[CardIdIndex().find("SR004")] =
                                                        2;
                                                    return d;
                                                }())})
            .out;
    const std::u16string text = u"2 Ale\u00F3n\u2019s Oath\r\n";
    std::string little = "\xFF\xFE", big = "\xFE\xFF";
    for (const char16_t unit : text) {
        little += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        big += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    }
    for (const std::string& bytes : {little, big, std::string("2 Ale\xF3n\x92s Oath\n")}) {
        writeBytes(folder.file("l.txt"), bytes);
        const std::string out = folder.file("o.tvn");
        std::filesystem::remove(out);
        const clitest::Run run =
            cli({"import-list", folder.file("l.txt"), "-o", out, "--deck", "1"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(cli({"export-list", out}).out, expected);
    }
    writeBytes(folder.file("odd.txt"), "\xFF\xFE\x32");
    EXPECT_EQ(cli({"import-list", folder.file("odd.txt"), "--check", "--deck", "1"}).err,
              "Could not read " + folder.file("odd.txt") +
                  ": UTF-16 with an odd number of bytes.\n");
}

// In place where the buffer has room (as the import's reader leaves it) or in a new
// buffer, every byte of the code page gives the same text, wide ones first or last.
TEST(CliList, Windows1252BecomesTheSameUtf8InPlaceOrNot) {
    std::string all = "\x80\x99\xFF";
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    all += "\x80";
    for (const std::size_t room : {1, 3}) {
        std::string bytes, text, reason;
        bytes.reserve(all.size() * room);
        bytes.append(all);
        TextEncoding encoding{};
        ASSERT_TRUE(decodeText(std::move(bytes), text, encoding, reason));
        EXPECT_EQ(encoding, TextEncoding::Windows1252);
        EXPECT_EQ(text, windows1252ToUtf8(all)) << "room " << room;
    }
}

} // namespace
