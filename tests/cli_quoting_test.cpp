// Every text a message quotes, from the command line or from a file: escaped wherever
// it came from, cut at 40 characters unless it is a path; and Unicode spaces read as
// spaces.
#include <gtest/gtest.h>

#include "tests/cli_test_support.h"

namespace {

using clitest::cli;

struct Case {
    std::vector<std::string> args; // "@" stands for the folder, "/" after it
    std::string file;              // written to the last argument naming the folder, if any
    int status;
    std::string out, err; // "@" stands for the folder
};

std::string inFolder(std::string text, const std::string& folder) {
    for (std::size_t at; (at = text.find('@')) != std::string::npos;)
        text.replace(at, 1, folder);
    return text;
}

TEST(CliQuoting, EveryQuotedTextIsEscapedAndCutButPathsAreWhole) {
    const std::string cut = std::string(40, 'y') + "\xE2\x80\xA6"; // 40 characters and …
    const std::string longName = std::string(50, 'p');
    const Case cases[] = {
        {{"find", "x\x1b[2J\x07"}, "", 1, "", "no card contains x\\x1b[2J\\x07\n"},
        {{"find", std::string(100000, 'y')}, "", 1, "", "no card contains " + cut + "\n"},
        {{"wants", "@/d.tvn", "--target", "\x1b]0;pwn\x07"},
         "",
         2,
         "",
         "cardhold-cli wants: --target: '\\x1b]0;pwn\\x07' is not a count 0 to 255 nor counts "
         "per rarity like F=1,C=3,U=3,R=2,P=1\nRun 'cardhold-cli wants --help' for its usage.\n"},
        {{"bo\x1b[gus\xE2\x80\xAE"},
         "",
         2,
         "",
         "cardhold-cli: unknown command 'bo\\x1b[gus\\u202e'\nRun 'cardhold-cli --help' for the "
         "commands.\n"},
        {{"stats", "--\x9b" + std::string(60, 'z')},
         "",
         2,
         "",
         "cardhold-cli stats: unknown option --\\x9b" + std::string(37, 'z') +
             "\xE2\x80\xA6\nRun 'cardhold-cli stats --help' for its usage.\n"},
        {{"stats", "@/n\x1b" + longName + ".tvn"},
         "",
         2,
         "",
         "Could not load @/n\\x1b" + longName + ".tvn: file not found.\n"},
        // A pasted list: no-break spaces around the count and name, a zero-width space
        // inside one, a count too large named as written; the file's name reverses text.
        {{"import-list", "@/l\xE2\x80\xAE.txt", "--deck", "1", "--check"},
         "\xC2\xA0\x33\xC2\xA0\x41\x65lid\xE2\x80\x83\n2 Amber\xE2\x80\x8BHorn (GW)\n"
         "99999999999999999999 GW030\n\xEF\xBB\xBF\x31 GW158\xE2\x80\xA8\n",
         2,
         "deck 1: 1 card changed, +3 copies\n",
         "@/l\\u202e.txt:2: no card \"Amber\\u200bHorn\"\n@/l\\u202e.txt:3: card GW030: count "
         "99999999999999999999; counts are 0 to 255\n@/l\\u202e.txt:4: no card "
         "\"\\ufeff1 GW158\\u2028\"\n"},
        {{"import-csv", "@/c.csv", "--check"},
         "deck1,id\n\xC2\xA0\x33\xE3\x80\x80,GW030\n\xE2\x80\x8B\x31,GW158\n",
         2,
         "deck 1: 1 card changed, +3 copies\n",
         "@/c.csv:3: deck 1: count \"\\u200b1\" is not a whole number in 0..255\n"},
    };
    for (const Case& each : cases) {
        testfiles::TempFolder folder;
        const std::string at = testfiles::utf8(folder.path());
        clitest::writeDecks(folder, "d.tvn", DeckSet{});
        std::vector<std::string> args;
        for (const std::string& arg : each.args)
            args.push_back(inFolder(arg, at));
        if (!each.file.empty()) testfiles::writeBytes(testfiles::fromUtf8(args[1]), each.file);
        const clitest::Run run = cli(args);
        EXPECT_EQ(run.status, each.status) << args[0];
        EXPECT_EQ(run.out, each.out) << args[0];
        EXPECT_EQ(run.err, inFolder(each.err, at)) << args[0];
    }
}

} // namespace
