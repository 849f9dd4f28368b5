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

// Undo and redo move the decks to and from what was last saved or loaded: leaving asks
// exactly when they differ, and the caption marks it. Steps: + (a copy of card 1), u
// (undo), r (redo), s (save to a.tvn), l (load b.tvn, one copy of card 7, dropping
// unsaved counts), w (wipe).
TEST_F(LeavingTest, UndoAndRedoAskOnlyWhenTheDecksDifferFromTheSavedOnes) {
    const std::string Title = " - Cardhold - TAVEN Collection Manager V1.5";
    const struct {
        const char* steps;
        bool asks;
        std::string caption;
    } rows[] = {
        {"+u", false, Title.substr(3)},    {"+ur", true, Title.substr(3)},
        {"s+u", false, "a.tvn" + Title},   {"+su", true, "*a.tvn" + Title},
        {"+sur", false, "a.tvn" + Title},  {"+swu", false, "a.tvn" + Title},
        {"+swuu", true, "*a.tvn" + Title}, {"l+u", false, "b.tvn" + Title},
        {"+lu", true, Title.substr(3)},    {"+lur", false, "b.tvn" + Title},
        {"s+lu", true, "*a.tvn" + Title},  {"+slu", false, "a.tvn" + Title},
    };
    DeckSet inFile{};
    inFile.decks[0].counts[7] = 1;
    writeBytes(folder / "b.tvn", encodeDeckFile(inFile));
    for (const auto& row : rows) {
        fs::remove(folder / "a.tvn"); // never a collection the save would shrink
        resetProgramState();
        MemoryDialog fresh;
        onInitDialog(fresh);
        fresh.select(1);
        for (const char* step = row.steps; *step; ++step) {
            switch (*step) {
            case '+': fresh.click(IDC_PLUS); break;
            case 'u': fresh.command(IDK_UNDO); break;
            case 'r': fresh.command(IDK_REDO); break;
            case 'w': fresh.command(IDM_DECK_CLEAR_YES); break;
            case 's':
                fresh.queueFileAnswer(pathOf("a.tvn"));
                fresh.command(IDM_FILE_SAVE);
                break;
            case 'l':
                if (decksChangedSinceSave()) fresh.queueAnswer(Answer::No);
                fresh.queueFileAnswer(pathOf("b.tvn"));
                fresh.command(IDM_FILE_LOAD);
                break;
            }
        }
        EXPECT_EQ(fresh.caption(), row.caption) << row.steps;
        fresh.command(IDC_CANCEL); // with no answer queued, a question is cancelled
        EXPECT_EQ(!fresh.ended(), row.asks) << row.steps;
    }
}

} // namespace
