#include "shell/file_commands.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "browser/card_list.h"
#include "reports/deck_report.h"
#include "reports/list_report.h"
#include "ui/control_ids.h"
#include "shell/main_dialog.h"
#include "store/deck_file.h"
#include "store/deck_set.h"
#include "store/unsaved_changes.h"
#include "tests/support/same_decks.h"
#include "tests/file_commands_test_support.h"
#include "tests/support/memory_dialog.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

using testfiles::readBytes;
using testfiles::utf8;
using testfiles::writeBytes;

TEST_F(FileCommandsTest, SaveWritesTheDeckFileBytes) {
    addCopies(5, 3);
    ASSERT_TRUE(save(pathOf("decks.tvn")));
    const std::string bytes = readBytes(folder / "decks.tvn");
    ASSERT_EQ(bytes.size(), 33480u);
    for (std::size_t at = 0; at < bytes.size(); ++at)
        ASSERT_EQ(bytes[at], at == 20 ? '\3' : '\0') << "byte " << at;
    EXPECT_EQ(dialog.events(),
              std::vector<std::string>{"chooser save deck -> " + pathOf("decks.tvn")});
    EXPECT_FALSE(decksChangedSinceSave());
}

TEST_F(FileCommandsTest, SaveThenLoadRestoresAllFiveDecks) {
    for (int deck = 0; deck < DeckCount; ++deck)
        for (int card = 0; card < CardCount; card += 7 + deck)
            deckSet.decks[deck].counts[card] = (card * 37 + deck) % 256;
    const DeckSet saved = deckSet;
    ASSERT_TRUE(save(pathOf("decks.tvn")));
    resetStore();
    load(pathOf("decks.tvn"));
    EXPECT_TRUE(sameDecks(deckSet, saved));
    EXPECT_EQ(lastEvent(), "chooser open deck -> " + pathOf("decks.tvn")) << "no message";
}

TEST_F(FileCommandsTest, LoadReplacesEveryCountAndRefreshesThePanel) {
    addCopies(2, 2);
    dialog.select(1);
    std::string ones(33480, '\0');
    for (std::size_t at = 0; at < ones.size(); at += 4)
        ones[at] = 1;
    writeBytes(folder / "ones.tvn", ones);
    load(pathOf("ones.tvn"));
    for (const StoreDeck& deck : deckSet.decks)
        for (int32_t count : deck.counts)
            ASSERT_EQ(count, 1);
    EXPECT_EQ(dialog.text(IDC_PANEL_TOTAL), "Store Deck 1 total 1674 Cards");
    EXPECT_EQ(dialog.text(IDC_PANEL_COMPLETE), "Deck  1 is 100 % Complete.");
    EXPECT_EQ(selectedCard, 1) << "the panel shows the list's selection";
    EXPECT_FALSE(decksChangedSinceSave());
}

TEST_F(FileCommandsTest, LoadRefusesACountOutside0To255AndChangesNothing) {
    addCopies(2, 1);
    writeBytes(folder / "ff.tvn", std::string(33480, '\xFF'));
    load(pathOf("ff.tvn"));
    EXPECT_EQ(lastEvent(), "message \"Could not load " + pathOf("ff.tvn") + ": deck 1, card " +
                               CardCatalogue[0].cardId + ": count -1.\"");
    EXPECT_EQ(deckSet.decks[0].counts[2], 1);
    EXPECT_EQ(deckSet.decks[1].counts[0], 0);
}

TEST_F(FileCommandsTest, LoadLeavesTheListAsBuilt) {
    deckSet.decks[0].counts[40] = 1;
    dialog.click(IDC_SEARCH_DECK_ONE);
    ASSERT_EQ(dialog.listEntries().size(), 1u);
    const std::vector<std::string> entries = dialog.listEntries();
    writeBytes(folder / "empty.tvn", encodeDeckFile(DeckSet{}));
    load(pathOf("empty.tvn"));
    EXPECT_EQ(dialog.listEntries(), entries);
    EXPECT_EQ(listCount, 1);
    EXPECT_EQ(deckSet.decks[0].counts[40], 0);
}

TEST_F(FileCommandsTest, CancelledLoadOnlyRefreshesThePanel) {
    addCopies(3, 2);
    const DeckSet before = deckSet;
    dialog.setText(IDC_PANEL_TOTAL, "stale");
    dialog.queueAnswer(Answer::No);
    dialog.queueFileAnswer(std::nullopt);
    dialog.command(IDM_FILE_LOAD);
    EXPECT_TRUE(sameDecks(deckSet, before));
    EXPECT_EQ(dialog.text(IDC_PANEL_TOTAL), "Store Deck 1 total 2 Cards");
    EXPECT_EQ(dialog.events().back(), "chooser open deck -> cancel");
}

TEST_F(FileCommandsTest, CancelledSaveAndExportsTouchNothing) {
    addCopies(3, 2);
    dialog.setText(IDC_PANEL_TOTAL, "untouched");
    dialog.queueFileAnswer(std::nullopt);
    EXPECT_FALSE(saveDeckFile(dialog));
    dialog.queueFileAnswer(std::nullopt);
    dialog.command(IDM_EXPORT_NEEDS_DETAILED);
    dialog.queueFileAnswer(std::nullopt);
    dialog.command(IDM_EXPORT_CURRENT_LIST);
    EXPECT_EQ(dialog.text(IDC_PANEL_TOTAL), "untouched");
    EXPECT_TRUE(names().empty());
    EXPECT_TRUE(decksChangedSinceSave());
}

// Files that are not deck files change nothing, and say why.
class BadDeckFileTest : public FileCommandsTest, public ::testing::WithParamInterface<int> {};

TEST_P(BadDeckFileTest, WrongSizeIsRefusedWithNothingChanged) {
    addCopies(4, 2);
    deckSet.decks[3].counts[9] = 77;
    const DeckSet before = deckSet;
    const std::string path = pathOf("short.tvn");
    writeBytes(folder / "short.tvn", std::string(static_cast<std::size_t>(GetParam()), '\x05'));
    dialog.setText(IDC_PANEL_TOTAL, "stale");
    load(path);
    EXPECT_TRUE(sameDecks(deckSet, before));
    EXPECT_EQ(lastEvent(), "message \"Could not load " + path + ": wrong size (" +
                               std::to_string(GetParam()) + " bytes, expected 33480).\"");
    EXPECT_EQ(dialog.text(IDC_PANEL_TOTAL), "Store Deck 1 total 2 Cards")
        << "refreshed all the same";
    EXPECT_TRUE(decksChangedSinceSave());
}

INSTANTIATE_TEST_SUITE_P(Sizes, BadDeckFileTest, ::testing::Values(0, 1, 10, 6696, 33479, 33481));

TEST_F(FileCommandsTest, FolderOrMissingFileIsRefusedWithNothingChanged) {
    addCopies(0, 1);
    const DeckSet before = deckSet;
    fs::create_directory(folder / "folder.tvn");
    for (const auto& [name, reason] :
         {std::pair{"folder.tvn", "not a file"}, std::pair{"missing.tvn", "file not found"}}) {
        dialog.setText(IDC_PANEL_TOTAL, "stale");
        load(pathOf(name));
        EXPECT_TRUE(sameDecks(deckSet, before));
        EXPECT_EQ(lastEvent(), "message \"Could not load " + pathOf(name) + ": " + reason + ".\"");
        EXPECT_EQ(dialog.text(IDC_PANEL_TOTAL), "Store Deck 1 total 1 Cards");
    }
}

TEST_F(FileCommandsTest, ExportsWriteTheReportOfTheCurrentDeck) {
    deckSet.decks[2].counts[11] = 4;
    dialog.click(IDC_CURRENT_DECK_FIRST + 2);
    const std::vector<std::string> entries = dialog.listEntries();
    const std::string total = dialog.text(IDC_PANEL_TOTAL);
    const int selection = dialog.listSelection();

    dialog.queueFileAnswer(pathOf("cards.txt"));
    dialog.command(IDM_EXPORT_CARDS_FILTERED_DETAILED);
    std::string expected;
    writeDeckReport(expected, 2,
                    {DeckReportKind::Cards, DeckReportKind::Detailed, DeckReportKind::Filtered});
    EXPECT_EQ(readBytes(folder / "cards.txt"), expected);
    EXPECT_NE(expected.find("NUM: 4 "), std::string::npos);

    dialog.queueFileAnswer(pathOf("list.txt"));
    dialog.command(IDM_EXPORT_CURRENT_LIST);
    expected.clear();
    writeListReport(expected);
    EXPECT_EQ(readBytes(folder / "list.txt"), expected);

    EXPECT_EQ(dialog.listEntries(), entries);
    EXPECT_EQ(dialog.listSelection(), selection);
    EXPECT_EQ(dialog.text(IDC_PANEL_TOTAL), total);
    EXPECT_EQ(dialog.events().size(), 2u) << "no message";
}

// Each of the eight reports of the Export menu, with one set unticked so that the
// filtered ones differ from the others.
TEST_F(FileCommandsTest, EveryExportMenuCommandWritesItsOwnReport) {
    using R = DeckReportKind;
    const struct {
        int command;
        DeckReportKind kind;
    } exports[] = {
        {IDM_EXPORT_CARDS_BASIC, {R::Cards, R::Basic, R::WholeCatalogue}},
        {IDM_EXPORT_CARDS_DETAILED, {R::Cards, R::Detailed, R::WholeCatalogue}},
        {IDM_EXPORT_NEEDS_BASIC, {R::Needs, R::Basic, R::WholeCatalogue}},
        {IDM_EXPORT_NEEDS_DETAILED, {R::Needs, R::Detailed, R::WholeCatalogue}},
        {IDM_EXPORT_CARDS_FILTERED_BASIC, {R::Cards, R::Basic, R::Filtered}},
        {IDM_EXPORT_CARDS_FILTERED_DETAILED, {R::Cards, R::Detailed, R::Filtered}},
        {IDM_EXPORT_NEEDS_FILTERED_BASIC, {R::Needs, R::Basic, R::Filtered}},
        {IDM_EXPORT_NEEDS_FILTERED_DETAILED, {R::Needs, R::Detailed, R::Filtered}},
    };
    for (int card = 0; card < CardCount; card += 3)
        deckSet.decks[0].counts[card] = 1;
    dialog.click(IDC_SET_ASHFALL);
    for (const auto& each : exports) {
        dialog.queueFileAnswer(pathOf("report.txt"));
        dialog.command(each.command);
        std::string expected;
        writeDeckReport(expected, 0, each.kind);
        EXPECT_EQ(readBytes(folder / "report.txt"), expected) << each.command;
    }
}

TEST_F(FileCommandsTest, ExportOverAnExistingFileReplacesIt) {
    writeBytes(folder / "needs.txt", std::string(3'000'000, 'x'));
    dialog.queueFileAnswer(pathOf("needs.txt"));
    dialog.command(IDM_EXPORT_NEEDS_BASIC);
    const std::string written = readBytes(folder / "needs.txt");
    EXPECT_EQ(written.size(), 1674u * 55 + std::strlen("Total Cards 1674\r\n"));
    EXPECT_EQ(names(), std::vector<std::string>{"needs.txt"});
}

// A save or an export that cannot happen names the reason and changes nothing on disk.
TEST_F(FileCommandsTest, FailedSaveAndExportsKeepWhatIsOnDisk) {
    addCopies(6, 2);
    fs::create_directory(folder / "decks.tvn");
    EXPECT_FALSE(save(pathOf("decks.tvn")));
    EXPECT_EQ(lastEvent(), "message \"Could not save " + pathOf("decks.tvn") + ": not a file.\"");
    EXPECT_TRUE(decksChangedSinceSave());

    const std::string missing = utf8(folder / "missing" / "report.txt");
    for (const int command : {IDM_EXPORT_NEEDS_DETAILED, IDM_EXPORT_CURRENT_LIST}) {
        dialog.queueFileAnswer(missing);
        dialog.command(command);
        EXPECT_EQ(lastEvent(),
                  "message \"Could not export to " + missing + ": folder not found.\"");
    }
    EXPECT_EQ(names(), std::vector<std::string>{"decks.tvn"});
    EXPECT_TRUE(fs::is_directory(folder / "decks.tvn"));
}

} // namespace
