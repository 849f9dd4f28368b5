// Leaving with unsaved counts offers to save them first.
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "ui/control_ids.h"
#include "store/deck_file.h"
#include "store/deck_set.h"
#include "store/unsaved_changes.h"
#include "tests/file_commands_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

using testfiles::readBytes;
using testfiles::writeBytes;

class LeavingTest : public FileCommandsTest {
  protected:
    const std::string Question = "question \"Save changes to your Store Decks?\" -> ";
};

TEST_F(LeavingTest, UnchangedDecksLeaveAtOnce) {
    addCopies(1, 1);
    dialog.click(IDC_MINUS);
    dialog.command(IDC_CANCEL);
    EXPECT_TRUE(dialog.ended());
    EXPECT_TRUE(dialog.events().empty());
}

TEST_F(LeavingTest, YesSavesThenLeaves) {
    addCopies(1, 2);
    dialog.queueAnswer(Answer::Yes);
    dialog.queueFileAnswer(pathOf("decks.tvn"));
    dialog.command(IDC_CANCEL);
    EXPECT_TRUE(dialog.ended());
    EXPECT_EQ(dialog.events().front(), Question + "yes");
    EXPECT_EQ(readBytes(folder / "decks.tvn"), encodeDeckFile(deckSet));
}

TEST_F(LeavingTest, YesStaysWhenTheSaveDoesNotHappen) {
    addCopies(1, 2);
    dialog.queueAnswer(Answer::Yes);
    dialog.queueFileAnswer(std::nullopt);
    dialog.command(IDC_CANCEL);
    EXPECT_FALSE(dialog.ended()) << "chooser cancelled";

    fs::create_directory(folder / "decks.tvn");
    dialog.queueAnswer(Answer::Yes);
    dialog.queueFileAnswer(pathOf("decks.tvn"));
    dialog.command(IDM_FILE_EXIT);
    EXPECT_FALSE(dialog.ended()) << "save failed";
    EXPECT_EQ(lastEvent(), "message \"Could not save " + pathOf("decks.tvn") + ": not a file.\"");
}

TEST_F(LeavingTest, NoLeavesAndCancelStays) {
    addCopies(1, 2);
    dialog.queueAnswer(Answer::Cancel);
    dialog.command(IDC_CANCEL);
    EXPECT_FALSE(dialog.ended());
    dialog.queueAnswer(Answer::No);
    dialog.command(IDC_CANCEL);
    EXPECT_TRUE(dialog.ended());
    EXPECT_EQ(dialog.events(), (std::vector<std::string>{Question + "cancel", Question + "no"}));
    EXPECT_TRUE(names().empty());
}

TEST_F(LeavingTest, NoQuestionAfterASuccessfulSave) {
    addCopies(1, 2);
    ASSERT_TRUE(save(pathOf("decks.tvn")));
    dialog.command(IDC_CANCEL);
    EXPECT_TRUE(dialog.ended());
    EXPECT_EQ(dialog.events().size(), 1u) << "the chooser only";
}

TEST_F(LeavingTest, NoQuestionAfterASuccessfulLoad) {
    DeckSet inFile{};
    inFile.decks[4].counts[3] = 12;
    writeBytes(folder / "decks.tvn", encodeDeckFile(inFile));
    addCopies(1, 2);
    load(pathOf("decks.tvn"));
    ASSERT_FALSE(decksChangedSinceSave());
    dialog.command(IDC_CANCEL);
    EXPECT_TRUE(dialog.ended());
    EXPECT_EQ(lastEvent(), "chooser open deck -> " + pathOf("decks.tvn")) << "no question";
}

} // namespace
