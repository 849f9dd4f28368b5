// The whole-file reader's steps failing one at a time, and a file that changes while
// it is read, the same on every platform.
#include "files/deck_file_reader.h"
#include "files/file_platform.h"
#include "store/deck_set.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

#include "tests/support/faulty_files.h"
#include "tests/support/temp_folder.h"

namespace {

using testfiles::FaultyFiles;
using testfiles::Step;
using testfiles::TempFolder;
using testfiles::writeBytes;

class ReadFileTest : public ::testing::Test {
  protected:
    ReadFileTest() { writeBytes(folder.path() / "decks.tvn", std::string(100, 'o')); }
    void expectRefused(const ReadResult& read, const std::string& reason) const {
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(read.reason, reason);
        EXPECT_TRUE(read.bytes.empty());
        std::vector<FilePlatform::Handle> opened = files.opened, closed = files.closed;
        std::sort(opened.begin(), opened.end());
        std::sort(closed.begin(), closed.end());
        EXPECT_EQ(closed, opened) << "every handle opened is closed once";
    }
    TempFolder folder;
    std::string path = folder.file("decks.tvn");
    FaultyFiles files;
};

TEST_F(ReadFileTest, AFailedStepReadsNothingAndSaysWhy) {
    for (const Step step : {Step::Open, Step::Measure, Step::Read}) {
        files.failing = step;
        files.failure = {FileFailure::InUse};
        expectRefused(readFileBytes(files, path, 1000), "file in use");
    }
}

TEST_F(ReadFileTest, AFileThatChangesWhileItIsReadIsRefused) {
    const char* changed = "it changed while it was read; try again";
    files.grownBy = "more";
    expectRefused(readFileBytes(files, path, 1000), changed);

    files.stampMoves = true;
    expectRefused(readFileBytes(files, path, 1000), changed);

    // Loading such a deck file changes no count.
    writeBytes(folder.path() / "decks.tvn", std::string(33480, '\0'));
    DeckSet decks{};
    decks.decks[4].counts[9] = 7;
    std::string reason;
    FaultyFiles changing;
    changing.stampMoves = true;
    EXPECT_FALSE(readDeckFile(changing, path, decks, reason));
    EXPECT_EQ(reason, changed);
    EXPECT_EQ(decks.decks[4].counts[9], 7);
}

// Measured within the limit, then growing past it while read: refused as too large,
// so the reader never holds more than the limit.
TEST_F(ReadFileTest, AFileThatGrowsPastTheLimitWhileItIsReadIsTooLarge) {
    files.grownBy = std::string(200000, 'g');
    const ReadResult read = readFileBytes(files, path, 150000);
    EXPECT_TRUE(read.tooLarge);
    expectRefused(read,
                  "too large (" + std::to_string(100 + 65536 * 3) + " bytes, at most 150000)");
}

} // namespace
