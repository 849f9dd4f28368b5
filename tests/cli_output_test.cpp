// The one owner of every command's outputs: no command replaces what it reads, a deck
// file with text or anything else with a deck file, and an import replaces only the
// decks its input names, in the file its base names.
#include <filesystem>
#include <map>
#include <system_error>
#include <gtest/gtest.h>

#include "cli/cards/card_fields.h"
#include "cli/command.h"
#include "tests/cli_test_support.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

using clitest::cli;
using testfiles::readBytes;
using testfiles::writeBytes;

std::map<std::string, std::string> folderBytes(const testfiles::TempFolder& folder) {
    std::map<std::string, std::string> bytes;
    for (const std::string& name : folder.names())
        if (!std::filesystem::is_directory(folder.path() / name))
            bytes[name] = readBytes(folder.path() / name);
    return bytes;
}

// The words a refusal names each kind of output with.
std::string kindWords(OutputKind kind) {
    switch (kind) {
    case OutputKind::DeckFile: return "deck file";
    case OutputKind::Report: return "report";
    case OutputKind::List: return "list";
    case OutputKind::Csv: return "CSV";
    case OutputKind::Page: return "page";
    }
    return "";
}

// Every command that takes an output, in each of its kinds, against every way of
// naming a file it must not replace: refused before anything is read, no byte
// changed. A command added to the command table is covered as it is declared.
TEST(CliOutputs, NoCommandReplacesItsInputOrADeckFileWithTextOrAnyFileWithADeckFile) {
    testfiles::TempFolder folder;
    const std::string input = clitest::writeDecks(folder, "in.tvn", clitest::patternedDecks());
    const std::string other = clitest::writeDecks(folder, "other.tvn", DeckSet{});
    const std::string sheet = folder.file("sheet.csv");
    writeBytes(sheet, "id,deck1\r\nGW158,1\r\n");
    std::filesystem::create_hard_link(input, folder.file("hard.tvn"));
    const std::string readInput = "Could not write {}: it is the file being read.";
    std::vector<std::pair<std::string, std::string>> sameFile = {
        {input, readInput},
        {testfiles::utf8(folder.path() / "." / "in.tvn"), readInput},
        {folder.file("hard.tvn"), readInput},
#ifdef _WIN32
        {folder.file("IN.TVN"), readInput},
        {folder.file("in.tvn."), readInput},
        {folder.file("in.tvn  "), readInput},
#endif
    };
    std::error_code noLink;
    std::filesystem::create_symlink("in.tvn", folder.path() / "link.tvn", noLink);
    if (!noLink) sameFile.push_back({folder.file("link.tvn"), readInput});
    const std::map<std::string, std::string> before = folderBytes(folder);

    int checked = 0;
    for (const CliCommand* command : cliCommands()) {
        for (const OutputRule& output : command->files.outputs) {
            std::vector<std::pair<std::string, OutputKind>> kinds = {{"", output.kind}};
            for (const KindOption& option : output.kindOptions)
                kinds.push_back({std::string(option.option), option.kind});
            for (const auto& [kindOption, kind] : kinds) {
                const bool deckFile = kind == OutputKind::DeckFile;
                auto forms = sameFile;
                const bool replaces = !command->files.replace.empty();
                forms.push_back(
                    {other, !deckFile ? "{} holds a deck file: choose another name for the " +
                                            kindWords(kind)
                            : replaces ? "{} exists: add --onto {} to change only the counts in " +
                                             input + ", or --replace to replace the decks it names."
                                       : "{} exists: add --onto {} to change it, or write to a "
                                         "new file."});
                if (deckFile)
                    forms.push_back(
                        {sheet, "{} is not a deck file: choose another name for the deck file"});
                for (const auto& [path, message] : forms) {
                    std::vector<std::string> args = {std::string(command->name)};
                    for (std::size_t i = 0; i < command->fileCount; ++i)
                        args.push_back(i < command->files.firstInput ? "text" : input);
                    for (const std::string_view option : command->files.inputOptions)
                        args.insert(args.end(), {std::string(option), input});
                    args.insert(args.end(), {std::string(output.option), path});
                    if (!kindOption.empty()) args.push_back(kindOption);
                    if (deckFile && path == sheet && replaces) args.push_back("--replace");
                    std::string expected = message;
                    for (std::size_t at; (at = expected.find("{}")) != std::string::npos;)
                        expected.replace(at, 2, path);
                    const clitest::Run run = cli(args);
                    EXPECT_EQ(run.status, 2) << args[0] << " -o " << path;
                    EXPECT_EQ(run.err, expected + "\n");
                    EXPECT_EQ(run.out, "");
                    ++checked;
                }
            }
        }
    }
    EXPECT_EQ(folderBytes(folder), before);
    EXPECT_GE(checked, 7 * 5) << "every command with -o, every form";
}

// The cases of replacing a deck file: what is kept, what is refused, what --check
// finds, and the summary counted against the file replaced.
TEST(CliOutputs, AnImportReplacesOnlyTheDecksItNamesInTheFileItsBaseNames) {
    testfiles::TempFolder folder;
    DeckSet held{};
    const int card = CardIdIndex().find("GW030"), other = CardIdIndex().find("HM145");
    held.decks[0].counts[card] = 1;
    held.decks[0].counts[other] = 4;
    held.decks[2].counts[other] = 7;
    const std::string g = clitest::writeDecks(folder, "g.tvn", held);
    const std::string rand = clitest::writeDecks(folder, "rand.tvn", DeckSet{});
    DeckSet full{};
    full.decks[0].counts[card] = 254;
    clitest::writeDecks(folder, "full.tvn", full);
    writeBytes(folder.file("one.txt"), "3 GW030\n");
    std::filesystem::create_directory(folder.path() / "dir");
#ifndef _WIN32
    mkfifo(folder.file("pipe").c_str(), 0600);
#endif
    DeckSet kept = held;
    kept.decks[0] = StoreDeck{};
    kept.decks[0].counts[card] = 3;
    DeckSet fresh{};
    fresh.decks[0].counts[card] = 3;
    const std::string ofG = encodeDeckFile(held);

    struct Case {
        std::vector<std::string> args; // after "import-list one.txt --deck 1"
        int status;
        std::string out, err;
        std::string file, bytes; // the file written or kept, and its bytes after
    };
    const std::vector<Case> cases = {
        {{"-o", "g.tvn", "--replace"},
         0,
         "deck 1: 2 cards changed, +2 copies, -4 copies\nreplaced deck 1; kept decks 2, 3, 4 "
         "and 5 of g.tvn\nwrote g.tvn\n",
         "",
         "g.tvn",
         encodeDeckFile(kept)},
        {{"-o", "g.tvn", "--onto", "rand.tvn"},
         2,
         "",
         "g.tvn exists: --onto names rand.tvn; write to a new file, or give --onto g.tvn\n",
         "g.tvn",
         ofG},
        {{"-o", "g.tvn", "--onto", "rand.tvn", "--replace", "--check"},
         2,
         "",
         "g.tvn exists: --onto names rand.tvn; write to a new file, or give --onto g.tvn\n",
         "g.tvn",
         ofG},
        {{"-o", "g.tvn", "--onto", "g.tvn"},
         0,
         "deck 1: 1 card changed, +2 copies\nwrote g.tvn\n",
         "",
         "g.tvn",
         encodeDeckFile([&] {
             DeckSet onto = held;
             onto.decks[0].counts[card] = 3;
             return onto;
         }())},
        {{"-o", "new.tvn", "--replace"},
         0,
         "deck 1: 1 card changed, +3 copies\nreplaced deck 1; decks 2, 3, 4 and 5 empty\nwrote "
         "new.tvn\n",
         "",
         "new.tvn",
         encodeDeckFile(fresh)},
        {{"-o", "dir", "--check"}, 2, "", "Could not save dir: not a file.\n", "", ""},
        {{"-o", "none/x.tvn", "--check"},
         2,
         "",
         "Could not save none/x.tvn: folder not found.\n",
         "",
         ""},
        {{"-o", "one.txt", "--check"},
         2,
         "",
         "Could not write one.txt: it is the file being read.\n",
         "",
         ""},
#ifndef _WIN32
        {{"-o", "pipe", "--check"}, 2, "", "Could not save pipe: not a file.\n", "", ""},
#endif
        {{"-o", "fresh.tvn", "--onto", "g.tvn", "--check"},
         0,
         "deck 1: 1 card changed, +2 copies\n--check: nothing written\n",
         "",
         "fresh.tvn",
         ""},
        {{"-o", "g.tvn", "--add"},
         0,
         "deck 1: 1 card changed, +3 copies\nwrote g.tvn\n",
         "",
         "g.tvn",
         encodeDeckFile([&] {
             DeckSet added = held;
             added.decks[0].counts[card] = 4;
             return added;
         }())},
        {{"-o", "fresh.tvn", "--onto", "full.tvn", "--add", "--check"},
         2,
         "no counts change\n",
         "one.txt:1: card GW030: count 257 with the 254 in full.tvn; counts are 0 to 255\n",
         "fresh.tvn",
         ""},
        {{"-o", "g.tvn", "--add", "--replace"},
         2,
         "",
         "cardhold-cli import-list: --add and --replace do not go together\nRun 'cardhold-cli "
         "import-list --help' for its usage.\n",
         "g.tvn",
         ofG},
    };
    const std::filesystem::path start = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    for (const Case& each : cases) {
        writeBytes("g.tvn", ofG);
        std::vector<std::string> args = {"import-list", "one.txt", "--deck", "1"};
        args.insert(args.end(), each.args.begin(), each.args.end());
        const clitest::Run run = cli(args);
        EXPECT_EQ(run.status, each.status) << each.args[1];
        EXPECT_EQ(run.out, each.out) << each.args[1];
        EXPECT_EQ(run.err, each.err) << each.args[1];
        if (!each.file.empty()) {
            EXPECT_EQ(readBytes(each.file), each.bytes) << each.args[1];
        }
    }
    std::filesystem::current_path(start);
}

} // namespace
