// The safe writer's steps failing one at a time, the same matrix on every platform.
#include "files/file_platform.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

#include "tests/support/faulty_files.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

using testfiles::FaultyFiles;
using testfiles::readBytes;
using testfiles::Step;
using testfiles::TempFolder;
using testfiles::utf8;
using testfiles::writeBytes;

class SafeWriteTest : public ::testing::Test {
  protected:
    // Every handle the writer opened is closed exactly once, and no other.
    void expectHandlesBalanced() const {
        std::vector<FilePlatform::Handle> opened = files.opened, closed = files.closed;
        std::sort(opened.begin(), opened.end());
        std::sort(closed.begin(), closed.end());
        EXPECT_EQ(closed, opened);
    }
    TempFolder folder;
    fs::path target = folder.path() / "decks.tvn";
    FaultyFiles files;
};

struct FaultCase {
    Step step;
    FileStatus failure;
    const char* reason;
};

void PrintTo(const FaultCase& fault, std::ostream* out) {
    *out << "step " << static_cast<int>(fault.step) << " -> " << fault.reason;
}

class SafeWriteFaultTest : public SafeWriteTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(SafeWriteFaultTest, AFailedStepKeepsTheOldFileAndLeavesNoTempFile) {
    const std::string old(5000, 'o');
    for (const bool exists : {true, false}) {
        if (exists) writeBytes(target, old);
        files.failing = GetParam().step;
        files.failure = GetParam().failure;
        const WriteResult result = writeFileSafely(files, utf8(target), std::string(70000, 'n'));
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.reason, GetParam().reason);
        EXPECT_EQ(folder.names(),
                  exists ? std::vector<std::string>{"decks.tvn"} : std::vector<std::string>{});
        if (exists) {
            EXPECT_EQ(readBytes(target), old);
        }
        expectHandlesBalanced();
        fs::remove(target);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, SafeWriteFaultTest,
    ::testing::Values(FaultCase{Step::Describe, {FileFailure::NameTooLong}, "name too long"},
                      FaultCase{Step::Describe, {FileFailure::TooManyLinks}, "too many links"},
                      FaultCase{Step::Create, {FileFailure::AccessDenied}, "access denied"},
                      FaultCase{Step::Create, {FileFailure::NotFound}, "folder not found"},
                      FaultCase{Step::Write, {FileFailure::DiskFull}, "disk full"},
                      FaultCase{Step::Write, {FileFailure::Other, 5}, "error 5"},
                      FaultCase{Step::Flush, {FileFailure::Other, 1117}, "error 1117"},
                      FaultCase{Step::Close, {FileFailure::DiskFull}, "disk full"},
                      FaultCase{Step::Replace, {FileFailure::AccessDenied}, "access denied"},
                      FaultCase{Step::Replace, {FileFailure::InUse}, "file in use"}));

TEST_F(SafeWriteTest, RunningOutOfTemporaryNamesWritesNothing) {
    writeBytes(target, "old");
    files.failing = Step::Create;
    files.failure = {FileFailure::Exists, 17};
    const WriteResult result = writeFileSafely(files, utf8(target), "new");
    EXPECT_EQ(result.reason, "error 17");
    EXPECT_EQ(files.calls, 100) << "only creations were tried";
    EXPECT_TRUE(files.closed.empty());
    EXPECT_EQ(readBytes(target), "old");
}

TEST_F(SafeWriteTest, TheTemporaryFileIsShortAndBesideTheFinalTarget) {
    EXPECT_EQ(temporaryPathFor("d/x.tvn", 0x2a), "d/~ch0000002a.tmp");
    EXPECT_EQ(temporaryPathFor("/x.tvn", 0xffffffff), "/~chffffffff.tmp");
    EXPECT_EQ(temporaryPathFor("x.tvn", 1), "~ch00000001.tmp");
#ifdef _WIN32
    EXPECT_EQ(temporaryPathFor("C:\\d\\x.tvn", 1), "C:\\d\\~ch00000001.tmp");
    EXPECT_EQ(temporaryPathFor("C:\\x.tvn", 1), "C:\\~ch00000001.tmp");
#else
    EXPECT_EQ(temporaryPathFor("a\\b/x\\y.tvn", 1), "a\\b/~ch00000001.tmp");
#endif
    // A real save into a folder with a one-character name.
    fs::create_directory(folder.path() / "d");
    ASSERT_TRUE(writeFileSafely(files, utf8(folder.path() / "d" / "x.tvn"), "new").ok);
    ASSERT_EQ(files.tempPaths.size(), 1u);
    EXPECT_EQ(fs::u8path(files.tempPaths[0]).parent_path(), folder.path() / "d");
    EXPECT_EQ(readBytes(folder.path() / "d" / "x.tvn"), "new");
}

TEST_F(SafeWriteTest, AnyNameThatLoadsCanBeSaved) {
    const std::string longest = utf8(folder.path() / (std::string(251, 'n') + ".tvn"));
    for (const char* bytes : {"old", "new"}) {
        const WriteResult result = writeFileSafely(longest, bytes);
        EXPECT_TRUE(result.ok) << result.reason;
        EXPECT_EQ(readFileBytes(longest, 10).bytes, bytes);
    }
    EXPECT_EQ(writeFileSafely(utf8(folder.path() / (std::string(252, 'n') + ".tvn")), "x").reason,
              "name too long");
    fs::remove(fs::u8path(longest));
}

TEST_F(SafeWriteTest, AReadOnlyFileIsRefusedForEveryUser) {
    writeBytes(target, "old");
    fs::permissions(target,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(writeFileSafely(utf8(target), "new").reason, "access denied");
    EXPECT_EQ(readBytes(target), "old");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"decks.tvn"});
}

} // namespace
