#include "files/deck_file_reader.h"
#include "files/safe_file.h"
#include "store/deck_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "tests/support/temp_folder.h"
#ifdef __linux__
#include "tests/support/memory_disk.h"
#endif

namespace {

namespace fs = std::filesystem;

using testfiles::readBytes;
using testfiles::TempFolder;
using testfiles::utf8;
using testfiles::writeBytes;

std::string everyByteValue() {
    std::string bytes;
    for (int round = 0; round < 3; ++round)
        for (int value = 0; value < 256; ++value)
            bytes += static_cast<char>(value);
    return bytes + "\r\n\n\r\x1A";
}

class SafeFileTest : public ::testing::Test {
  protected:
    TempFolder folder;
    fs::path target = folder.path() / "decks.tvn";
};

TEST_F(SafeFileTest, WritesExactlyTheBytesGivenAndNothingElse) {
    const WriteResult result = writeFileSafely(utf8(target), everyByteValue());
    EXPECT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(result.reason, "");
    EXPECT_EQ(readBytes(target), everyByteValue()) << "no line-end translation";
    EXPECT_EQ(folder.names(), std::vector<std::string>{"decks.tvn"});
}

TEST_F(SafeFileTest, ReplacesALongerFileWholly) {
    writeBytes(target, std::string(5000, 'o'));
    ASSERT_TRUE(writeFileSafely(utf8(target), "new").ok);
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"decks.tvn"});
}

TEST_F(SafeFileTest, HandlesNamesOutsideTheAnsiCodePage) {
    const fs::path inner = folder.path() / fs::path(u8"Sammlung \u00e9 \u30ab\u30fc\u30c9");
    fs::create_directory(inner);
    const fs::path file = inner / fs::path(u8"decks \u0161.tvn");
    ASSERT_TRUE(writeFileSafely(utf8(file), "abc").ok);
    EXPECT_EQ(readBytes(file), "abc");
    const ReadResult read = readFileBytes(utf8(file), 100);
    EXPECT_TRUE(read.ok) << read.reason;
    EXPECT_EQ(read.bytes, "abc");
}

TEST_F(SafeFileTest, RefusesToWriteOverAFolderOrIntoAMissingOne) {
    fs::create_directory(target);
    EXPECT_EQ(writeFileSafely(utf8(target), "x").reason, "not a file");
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(writeFileSafely(utf8(folder.path() / "missing" / "decks.tvn"), "x").reason,
              "folder not found");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"decks.tvn"});
}

TEST_F(SafeFileTest, ReadsWholeFilesAndNamesWhatStopsThem) {
    writeBytes(target, everyByteValue());
    ReadResult read = readFileBytes(utf8(target), everyByteValue().size());
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, everyByteValue());
    EXPECT_EQ(read.fileSize, everyByteValue().size());

    read = readFileBytes(utf8(target), everyByteValue().size() - 1);
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.tooLarge);
    EXPECT_EQ(read.bytes, "");
    EXPECT_EQ(read.fileSize, everyByteValue().size());

    EXPECT_EQ(readFileBytes(utf8(folder.path() / "absent.tvn"), 10).reason, "file not found");
    EXPECT_EQ(readFileBytes(utf8(folder.path()), 10).reason, "not a file");
}

TEST_F(SafeFileTest, DeckFilesMustHoldExactly33480BytesOfCountsIn0To255) {
    DeckSet decks{};
    decks.decks[2].counts[7] = 9;
    std::string reason;
    for (std::size_t size : {0u, 10u, 33479u, 33481u}) {
        writeBytes(target, std::string(size, '\1'));
        EXPECT_FALSE(readDeckFile(utf8(target), decks, reason));
        EXPECT_EQ(reason, "wrong size (" + std::to_string(size) + " bytes, expected 33480)");
    }
    std::string bytes(33480, '\0');
    bytes[6696 * 3 + 4 * 2] = '\x80'; // deck 4, card 2: 128 is a count
    bytes[6696 * 4 + 4 * 1 + 1] = 1;  // deck 5, card 1: 256 is not
    writeBytes(target, bytes);
    EXPECT_FALSE(readDeckFile(utf8(target), decks, reason));
    EXPECT_EQ(reason, std::string("deck 5, card ") + CardCatalogue[1].cardId + ": count 256");
    EXPECT_EQ(decks.decks[2].counts[7], 9) << "a refused file changes no count";

    bytes[6696 * 4 + 4 * 1 + 1] = 0;
    writeBytes(target, bytes);
    ASSERT_TRUE(readDeckFile(utf8(target), decks, reason));
    EXPECT_EQ(decks.decks[3].counts[2], 128);
    EXPECT_EQ(decks.decks[2].counts[7], 0);
    EXPECT_FALSE(readDeckFile(utf8(folder.path() / "absent.tvn"), decks, reason));
    EXPECT_EQ(reason, "file not found");
}

// A real full disk: a small memory file system. Natively the test mounts one itself;
// under Wine the test script mounts it and names its folder (as a Z: path) in
// CARDHOLD_FULL_DISK.
class FullDiskTest : public ::testing::Test {
  protected:
    void SetUp() override {
#ifdef __linux__
        disk = std::make_unique<testfiles::MemoryDisk>(folder.path() / "disk", "64k");
        if (!disk->mounted())
            GTEST_SKIP() << "mounting a tmpfs is not permitted here: " << disk->refusal();
        diskPath = disk->path();
#else
        const char* given = std::getenv("CARDHOLD_FULL_DISK");
        if (!given || !*given) GTEST_SKIP() << "CARDHOLD_FULL_DISK names no small disk";
        diskPath = fs::path(given);
        emptyDisk();
#endif
    }
    void TearDown() override {
#ifndef __linux__
        emptyDisk();
#endif
    }
    void emptyDisk() const {
        std::error_code ignored;
        for (const fs::directory_entry& entry : fs::directory_iterator(diskPath, ignored))
            fs::remove_all(entry.path(), ignored);
    }
    TempFolder folder;
#ifdef __linux__
    std::unique_ptr<testfiles::MemoryDisk> disk;
#endif
    fs::path diskPath;
};

TEST_F(FullDiskTest, ASaveThatDoesNotFitKeepsTheOldFile) {
    const std::string file = utf8(diskPath / "decks.tvn");
    const std::string old(33480, 'o');
    ASSERT_TRUE(writeFileSafely(file, old).ok) << "the first copy fits";
    const WriteResult result = writeFileSafely(file, std::string(33480, 'n'));
    EXPECT_EQ(result.reason, "disk full");
    EXPECT_EQ(readBytes(diskPath / "decks.tvn"), old);
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(diskPath))
        names.push_back(utf8(entry.path().filename()));
    EXPECT_EQ(names, std::vector<std::string>{"decks.tvn"});

    EXPECT_EQ(writeFileSafely(utf8(diskPath / "report.txt"), std::string(1 << 20, 'r')).reason,
              "disk full");
    EXPECT_FALSE(fs::exists(diskPath / "report.txt"));
}

} // namespace
