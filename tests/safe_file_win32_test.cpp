// What a save does on Windows with device names, long paths and a replace that fails
// halfway.
#include "files/win32/device_names.h"
#include "files/win32/win32_files.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

using testfiles::readBytes;
using testfiles::TempFolder;
using testfiles::utf8;
using testfiles::writeBytes;

TEST(WindowsDeviceNames, AreDevicesInAnyFolderWithAnyExtension) {
    for (const char* path : {"NUL", "nul.tvn", "C:\\decks\\Con.txt", "D:/x/com1", "lpt9.tvn.txt",
                             "aux ", "prn .x", "C:\\x\\COM\xC2\xB9.tvn", "NUL:", "C:nul", "conin$",
                             "\\\\.\\C:", "//./pipe/x", "\\\\?\\GLOBALROOT\\Device\\Null"})
        EXPECT_TRUE(namesWindowsDevice(path)) << path;
    for (const char* path :
         {"null.tvn", "C:\\nul\\decks.tvn", "com0", "com10.tvn", "lpt", "xcon.txt",
          "\\\\?\\C:\\decks\\a.tvn", "\\\\?\\UNC\\s\\d\\a.tvn", "\\\\server\\share\\aux-list.txt"})
        EXPECT_FALSE(namesWindowsDevice(path)) << path;
}

// The two replacing calls stood in for, failing as a real disk can make them fail.
class ReplaceFailing : public Win32Files {
  public:
    std::vector<DWORD> replaceErrors, moveErrors; // taken in turn; then the real call
  protected:
    DWORD replaceFile(const std::wstring& target, const std::wstring& temp) override {
        return take(replaceErrors) ? lastTaken : Win32Files::replaceFile(target, temp);
    }
    DWORD moveFile(const std::wstring& temp, const std::wstring& target) override {
        return take(moveErrors) ? lastTaken : Win32Files::moveFile(temp, target);
    }

  private:
    bool take(std::vector<DWORD>& errors) {
        if (errors.empty()) return false;
        lastTaken = errors.front();
        errors.erase(errors.begin());
        return true;
    }
    DWORD lastTaken = 0;
};

class WindowsReplaceTest : public ::testing::Test {
  protected:
    TempFolder folder;
    fs::path target = folder.path() / "decks.tvn";
    ReplaceFailing files;
};

TEST_F(WindowsReplaceTest, WhenTheOldFileMayBeGoneTheNewContentsStay) {
    for (const DWORD code :
         {ERROR_UNABLE_TO_MOVE_REPLACEMENT, ERROR_UNABLE_TO_MOVE_REPLACEMENT_2}) {
        writeBytes(target, "old");
        files.replaceErrors = {code};
        files.moveErrors = {ERROR_ACCESS_DENIED};
        const WriteResult result = writeFileSafely(files, utf8(target), "new");
        const std::string kept = "access denied; the new contents are in ";
        ASSERT_EQ(result.reason.substr(0, kept.size()), kept) << code;
        const fs::path temp = fs::u8path(result.reason.substr(kept.size()));
        EXPECT_EQ(readBytes(temp), "new") << code;
        EXPECT_EQ(temp.parent_path(), folder.path());
        fs::remove(temp);
    }
}

TEST_F(WindowsReplaceTest, OtherFailuresRemoveTheTemporaryFileAndBriefOnesAreWaitedFor) {
    writeBytes(target, "old");
    files.replaceErrors = {ERROR_ACCESS_DENIED};
    files.moveErrors = {ERROR_ACCESS_DENIED};
    EXPECT_EQ(writeFileSafely(files, utf8(target), "new").reason, "access denied");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"decks.tvn"});

    // Another program (a virus scanner, an indexer) holding the file for a moment.
    files.replaceErrors = {ERROR_SHARING_VIOLATION};
    files.moveErrors = {ERROR_SHARING_VIOLATION};
    const WriteResult result = writeFileSafely(files, utf8(target), "new");
    EXPECT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"decks.tvn"});
}

TEST(WindowsLongPaths, FilesBeyondMaxPathAreSavedAndLoaded) {
    TempFolder folder;
    std::wstring deep = L"\\\\?\\" + folder.path().wstring();
    for (int level = 0; level < 3; ++level) {
        deep += L"\\" + std::wstring(100, static_cast<wchar_t>(L'a' + level));
        ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr)) << GetLastError();
    }
    const std::string path = utf8(fs::path(deep.substr(4))) + "\\decks.tvn";
    ASSERT_GT(path.size(), static_cast<std::size_t>(MAX_PATH));
    for (const char* bytes : {"first", "second"}) {
        const WriteResult written = writeFileSafely(path, bytes);
        EXPECT_TRUE(written.ok) << written.reason;
        EXPECT_EQ(readFileBytes(path, 100).bytes, bytes);
    }
    // The temporary folder's own clean-up stops at MAX_PATH.
    DeleteFileW((deep + L"\\decks.tvn").c_str());
    for (int level = 0; level < 3; ++level) {
        RemoveDirectoryW(deep.c_str());
        deep.resize(deep.rfind(L'\\'));
    }
}

// Unix links made by the test script, seen through Wine's Z: drive: Wine 8 shows a link
// to a file as that file, and Win32 code can make none of its own.
TEST(WineUnixLinks, ASaveUpdatesTheFileALinkLeadsTo) {
    const char* given = std::getenv("CARDHOLD_UNIX_LINKS");
    if (!given || !*given) GTEST_SKIP() << "CARDHOLD_UNIX_LINKS names no folder of Unix links";
    const fs::path folder(given);
    writeBytes(folder / "real.tvn", "old");
    const WriteResult written = writeFileSafely(utf8(folder / "link.tvn"), "new");
    EXPECT_TRUE(written.ok) << written.reason;
    EXPECT_EQ(readBytes(folder / "real.tvn"), "new") << "the link was followed, not replaced";
    EXPECT_EQ(writeFileSafely(utf8(folder / "loop-a"), "x").reason, "too many links");
}

} // namespace
