// Telling two names of one file apart from two files, however the names are spelt.
#include "files/file_identity.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

using testfiles::TempFolder;
using testfiles::writeBytes;

TEST(FileIdentity, NamesOfOneFileAgreeAndOtherFilesDiffer) {
    TempFolder folder;
    const std::string decks = folder.file("d.tvn");
    writeBytes(decks, "same");
    writeBytes(folder.file("copy.tvn"), "same");
    std::filesystem::create_hard_link(decks, folder.file("hard.tvn"));
    const FileIdentity identity = fileIdentity(decks);
    EXPECT_TRUE(identity.found && identity.regularFile);
    std::vector<std::string> sameFile = {folder.file("hard.tvn")};
#ifdef _WIN32
    // Windows drops trailing dots and spaces and ignores case.
    sameFile.insert(sameFile.end(), {decks + ".", decks + "  ", folder.file("D.TVN")});
#else
    std::filesystem::create_symlink("d.tvn", folder.file("link.tvn"));
    sameFile.push_back(folder.file("link.tvn"));
#endif
    for (const std::string& name : sameFile)
        EXPECT_TRUE(fileIdentity(name).sameFileAs(identity)) << name;
    EXPECT_FALSE(fileIdentity(folder.file("copy.tvn")).sameFileAs(identity));

    const FileIdentity missing = fileIdentity(folder.file("missing.tvn"));
    EXPECT_FALSE(missing.found);
    EXPECT_FALSE(missing.sameFileAs(fileIdentity(folder.file("missing.tvn"))));
    const FileIdentity inFolder = fileIdentity(testfiles::utf8(folder.path()));
    EXPECT_TRUE(inFolder.found);
    EXPECT_FALSE(inFolder.regularFile);
}

#ifndef _WIN32
// A pipe is looked at, never opened: opening one with no writer would wait forever.
TEST(FileIdentity, APipeIsNotAFileAndIsNotOpened) {
    TempFolder folder;
    ASSERT_EQ(mkfifo(folder.file("pipe").c_str(), 0600), 0);
    const FileIdentity pipe = fileIdentity(folder.file("pipe"));
    EXPECT_TRUE(pipe.found);
    EXPECT_FALSE(pipe.regularFile);
}
#else
TEST(FileIdentity, ADeviceNameIsNeverFound) {
    TempFolder folder;
    EXPECT_FALSE(fileIdentity(folder.file("nul.tvn")).found);
}
#endif

} // namespace
