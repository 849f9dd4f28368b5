// What a save does with links, special files, modes and groups on POSIX systems.
#include "files/file_platform.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

#include "tests/support/faulty_files.h"
#include "tests/support/memory_disk.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

using testfiles::readBytes;
using testfiles::TempFolder;
using testfiles::writeBytes;

mode_t modeOf(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(lstat(path.c_str(), &status), 0) << path;
    return status.st_mode;
}

class PosixSaveTest : public ::testing::Test {
  protected:
    std::string at(const char* name) const { return folder.file(name); }
    TempFolder folder;
};

TEST_F(PosixSaveTest, ATargetThatIsNotARegularFileIsLeftAsItIs) {
    ASSERT_EQ(mkfifo(at("fifo").c_str(), 0644), 0);
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = at("sock");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    std::vector<std::string> names{"fifo", "sock"};
    // A node for a device number no driver claims: nothing real behind it either way.
    if (mknod(at("char").c_str(), S_IFCHR | 0644, makedev(240, 7)) == 0) names.push_back("char");
    if (mknod(at("block").c_str(), S_IFBLK | 0644, makedev(240, 8)) == 0) names.push_back("block");
    if (names.size() == 2) std::cout << "note: no device nodes (not permitted here)\n";
    fs::create_symlink("fifo", folder.path() / "to-fifo");

    for (const char* name : {"fifo", "sock", "char", "block", "to-fifo"}) {
        if (!fs::exists(fs::symlink_status(folder.path() / name))) continue;
        const mode_t before = modeOf(folder.path() / name);
        EXPECT_EQ(writeFileSafely(at(name), "new").reason, "not a file") << name;
        EXPECT_EQ(modeOf(folder.path() / name), before) << name;
    }
    close(sock);
    EXPECT_EQ(folder.names().size(), names.size() + 1) << "no temporary file left";
}

TEST_F(PosixSaveTest, SavingThroughLinksReplacesTheFileTheyLeadTo) {
    fs::create_directory(folder.path() / "real");
    writeBytes(folder.path() / "real" / "decks.tvn", "old");
    fs::create_symlink("real/decks.tvn", folder.path() / "relative");
    fs::create_symlink(folder.path() / "relative", folder.path() / "chain");
    testfiles::FaultyFiles files;
    ASSERT_TRUE(writeFileSafely(files, at("chain"), "new").ok);
    EXPECT_EQ(readBytes(folder.path() / "real" / "decks.tvn"), "new");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "chain"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / "relative"));
    EXPECT_EQ(fs::path(files.tempPaths.at(0)).parent_path(), folder.path() / "real");

    fs::create_symlink("real/new.tvn", folder.path() / "dangling");
    ASSERT_TRUE(writeFileSafely(at("dangling"), "created").ok);
    EXPECT_EQ(readBytes(folder.path() / "real" / "new.tvn"), "created");
    EXPECT_TRUE(fs::is_symlink(folder.path() / "dangling"));

    fs::create_symlink("loop-b", folder.path() / "loop-a");
    fs::create_symlink("loop-a", folder.path() / "loop-b");
    EXPECT_EQ(writeFileSafely(at("loop-a"), "x").reason, "too many links");
    EXPECT_EQ(readFileBytes(at("loop-a"), 10).reason, "too many links");
}

TEST_F(PosixSaveTest, TheNewFileKeepsTheModeWithoutSetIdBitsAndTheGroup) {
    const fs::path target = folder.path() / "decks.tvn";
    writeBytes(target, "old");
    ASSERT_EQ(chmod(target.c_str(), 06750), 0);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(target.c_str(), static_cast<uid_t>(-1), 4242), 0);
    }

    // The temporary file is its owner's alone until it takes the target's name.
    struct Spy : testfiles::FaultyFiles {
        mode_t modeAtCreation = 0;
        FileStatus write(Handle file, std::string_view bytes) override {
            modeAtCreation = modeOf(fs::path(tempPaths.back())) & 07777;
            return FaultyFiles::write(file, bytes);
        }
    } files;
    ASSERT_TRUE(writeFileSafely(files, folder.file("decks.tvn"), "new").ok);
    EXPECT_EQ(files.modeAtCreation, 0600u);
    EXPECT_EQ(modeOf(target) & 07777, 0750u);
    struct stat status {};
    stat(target.c_str(), &status);
    if (root) {
        EXPECT_EQ(status.st_gid, 4242u);
    } else {
        std::cout << "note: not root, so the group case keeps the process's own group\n";
    }

    const mode_t mask = umask(027);
    ASSERT_TRUE(writeFileSafely(folder.file("fresh.tvn"), "x").ok);
    umask(mask);
    EXPECT_EQ(modeOf(folder.path() / "fresh.tvn") & 07777, 0640u);
}

// As root a folder's permission bits stop nothing, so a read-only memory disk stands in.
TEST_F(PosixSaveTest, AFolderThatMayNotBeWrittenKeepsTheOldFileAndTakesNoNewOne) {
    testfiles::MemoryDisk disk(folder.path() / "disk", "64k");
    const bool root = geteuid() == 0;
    if (root && !disk.mounted())
        GTEST_SKIP() << "running as root and mounting a tmpfs is refused: " << disk.refusal();
    const fs::path place = root ? disk.path() : folder.path();
    writeBytes(place / "decks.tvn", "old");
    if (root)
        ASSERT_TRUE(disk.makeReadOnly()) << std::strerror(errno);
    else
        fs::permissions(place, fs::perms::owner_write, fs::perm_options::remove);

    EXPECT_EQ(writeFileSafely((place / "decks.tvn").string(), "new").reason, "access denied");
    EXPECT_EQ(readBytes(place / "decks.tvn"), "old");
    // The temporary file's creation is what the system refuses here.
    EXPECT_EQ(writeFileSafely((place / "fresh.tvn").string(), "new").reason, "access denied");
    EXPECT_FALSE(fs::exists(place / "fresh.tvn"));
}

// Another program rewriting the file in place, as far as the reader can tell only by
// its modification time.
TEST_F(PosixSaveTest, ALoadNoticesAFileRewrittenInPlaceWhileItIsRead) {
    const fs::path target = folder.path() / "decks.tvn";
    writeBytes(target, std::string(33480, 'a'));
    const timespec earlier[2] = {{1000000000, 5}, {1000000000, 5}};
    ASSERT_EQ(utimensat(AT_FDCWD, target.c_str(), earlier, 0), 0);
    testfiles::FaultyFiles files;
    files.duringRead = [&] {
        std::fstream in(target, std::ios::in | std::ios::out | std::ios::binary);
        in.seekp(30000);
        in.write("bbbb", 4);
    };
    const ReadResult read = readFileBytes(files, target.string(), 33480);
    EXPECT_EQ(read.reason, "it changed while it was read; try again");
    EXPECT_TRUE(read.bytes.empty());
}

std::size_t openHandles() {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{}));
}

// Every read closes what it opened, whatever it found: a file, a folder, a pipe.
TEST_F(PosixSaveTest, AReadLeavesNoHandleOpen) {
    writeBytes(folder.path() / "decks.tvn", std::string(33480, '\0'));
    fs::create_directory(folder.path() / "folder");
    ASSERT_EQ(mkfifo(at("fifo").c_str(), 0644), 0);
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {{"decks.tvn", ""}, {"folder", "not a file"}, {"fifo", "not a file"}};
    for (const auto& c : cases) {
        const std::size_t before = openHandles();
        EXPECT_EQ(readFileBytes(at(c.name), 40000).reason, c.reason) << c.name;
        EXPECT_EQ(openHandles(), before) << c.name;
    }
}

} // namespace
