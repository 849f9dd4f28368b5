// The console program's whole outputs against transcripts kept in tests/golden: each
// "$ cardhold-cli ARGS" there is run and its output, errors and status written under
// it. A changed output fails until its transcript is updated on purpose: run the test
// with CARDHOLD_UPDATE_GOLDEN=1 and review the difference.
#include <algorithm>
#include <cstdlib>
#include <sstream>

#include <gtest/gtest.h>

#include "tests/cli_test_support.h"

namespace {

// Lines prefixed: "> " standard output, "! " standard error, "= " the status; a CR
// shows as <CR>, an output not ending its last line as "\ no newline".
void appendStream(std::string& transcript, const char* prefix, std::string text) {
    for (std::size_t at; (at = text.find('\r')) != std::string::npos;)
        text.replace(at, 1, "<CR>");
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        transcript += (line.empty() ? std::string(prefix, 1) : prefix + line) + "\n";
    if (!text.empty() && text.back() != '\n') transcript += "\\ no newline\n";
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> found;
    for (std::string word; in >> word;)
        found.push_back(word);
    return found;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
}

// "$ cardhold-cli ARGS" runs the program, "$ cat FILE" shows a file; TMP stands for
// the test's folder.
std::string transcriptOf(const std::vector<std::string>& commands,
                         const testfiles::TempFolder& folder) {
    const std::string tmp = testfiles::utf8(folder.path());
    std::string transcript;
    for (const std::string& command : commands) {
        transcript += "$ " + command + "\n";
        std::vector<std::string> args = words(command);
        for (std::string& arg : args)
            replaceAll(arg, "TMP", tmp);
        if (args.at(0) == "cat") {
            appendStream(transcript, "> ", testfiles::readBytes(testfiles::fromUtf8(args.at(1))));
        } else {
            clitest::Run run = clitest::cli({args.begin() + 1, args.end()});
            replaceAll(run.out, tmp, "TMP");
            replaceAll(run.err, tmp, "TMP");
            appendStream(transcript, "> ", run.out);
            appendStream(transcript, "! ", run.err);
            transcript += "= " + std::to_string(run.status) + "\n";
        }
        transcript += "\n";
    }
    return transcript;
}

// The commands of a transcript file, after `generated` ones the test adds itself.
void expectTranscript(const char* name, std::vector<std::string> commands,
                      const testfiles::TempFolder& folder) {
    const std::string path = std::string(CARDHOLD_GOLDEN_DIR) + "/" + name;
    const std::string kept = testfiles::readBytes(path);
    std::istringstream lines(kept);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("$ ") &&
            std::find(commands.begin(), commands.end(), line.substr(2)) == commands.end())
            commands.push_back(line.substr(2));
    const std::string transcript = transcriptOf(commands, folder);
    if (std::getenv("CARDHOLD_UPDATE_GOLDEN") && transcript != kept)
        testfiles::writeBytes(path, transcript);
    EXPECT_EQ(transcript, kept) << name << " differs; CARDHOLD_UPDATE_GOLDEN=1 rewrites it";
}

// Decks with a few cards off the even two copies of deck 1, so that the lists are short.
std::string writeSampleDecks(const testfiles::TempFolder& folder) {
    DeckSet decks{};
    for (int32_t& count : decks.decks[0].counts)
        count = 2;
    decks.decks[0].counts[0] = 0;
    decks.decks[0].counts[1] = 1;
    decks.decks[0].counts[CardCount - 1] = 9;
    decks.decks[1].counts[5] = 3;
    return clitest::writeDecks(folder, "decks.tvn", decks);
}

// Every command's help and its usage errors: a command added to the program's list
// is run here without a word of this test changing.
TEST(CliGolden, HelpAndUsageErrorsOfEveryCommand) {
    testfiles::TempFolder folder;
    writeSampleDecks(folder);
    // Text given where a deck file belongs: the message names the import that reads it.
    testfiles::writeBytes(folder.path() / "tabbed.csv", "id\tdeck1\r\nGW158\t2\r\n");
    testfiles::writeBytes(folder.path() / "list.txt", "\n  2 A Warm Barn (Grimward)\n");
    std::vector<std::string> commands{"cardhold-cli", "cardhold-cli --help",
                                      "cardhold-cli frobnicate"};
    const std::string help = clitest::cli({"--help"}).out;
    std::istringstream lines(help.substr(help.find("Commands:\n")));
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("  ") || line[2] == ' ') continue;
        const std::string name = words(line).at(0);
        for (const char* args : {" --help", "", " TMP/decks.tvn --bogus",
                                 " TMP/decks.tvn TMP/decks.tvn TMP/decks.tvn"})
            commands.push_back("cardhold-cli " + name + args);
    }
    ASSERT_GE(commands.size(), 4u * 10);
    expectTranscript("usage.txt", commands, folder);
}

TEST(CliGolden, WantsAndSparesAndTheirTargets) {
    testfiles::TempFolder folder;
    writeSampleDecks(folder);
    expectTranscript("wants_spares.txt", {}, folder);
}

// UTF-16 in either byte order, with a character outside the basic plane (a pair of
// units) and a half of a pair alone.
TEST(CliGolden, Utf16InputOutsideTheBasicPlane) {
    testfiles::TempFolder folder;
    const std::u16string list = u"2 A Warm Barn (Grimward)\r\n1 \U0001F600 Barn\r\n"
                                u"1 \xD800x\r\n1 \u00C9lec the Ash Serpent \U00010348\r\n"
                                u"1 \x9E\x9F\xA0\x7F\r\n";
    std::string little = "\xFF\xFE", big = "\xFE\xFF";
    for (const char16_t unit : list) {
        little += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        big += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    }
    testfiles::writeBytes(folder.path() / "little.txt", little);
    testfiles::writeBytes(folder.path() / "big.txt", big);
    expectTranscript("utf16_input.txt", {}, folder);
}

} // namespace
