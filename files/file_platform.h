#pragma once
// The handful of file operations the safe writer and the whole-file reader are built
// from: one implementation per platform (files/posix/, files/win32/), the steps
// themselves written once in safe_write.cpp and read_file.cpp. Tests wrap an
// implementation to make any step fail.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/safe_file.h"

// What went wrong, in the program's own terms; `code` keeps the system's number for
// anything without a word of its own.
enum class FileFailure {
    None,
    NotFound,
    AccessDenied,
    NotAFile,
    DiskFull,
    NameTooLong,
    TooManyLinks,
    InUse,
    InvalidName, // Windows refuses the characters * ? | " < > in a name
    Exists,
    Other
};

struct FileStatus {
    FileFailure failure = FileFailure::None;
    uint32_t code = 0;
    bool ok() const { return failure == FileFailure::None; }
};

// What a path names once every link on the way has been followed.
struct FileTarget {
    enum class Kind { Missing, RegularFile, Folder, Special };
    Kind kind = Kind::Missing;
    std::string path;     // the final file; missing, it is created there
    bool writable = true; // false: the file's owner may not write it
    uint32_t mode = 0;    // POSIX: the permission bits an existing file has
    int64_t group = -1;   // POSIX: its group
};

// What an open file looks like from outside: any write to it changes one of these
// (the times in the file system's own units, nanoseconds where it keeps them).
struct FileStamp {
    uint64_t size = 0;
    int64_t modified = 0;
    int64_t changed = 0; // POSIX: the inode's change time; Windows: the change time
    bool operator==(const FileStamp&) const = default;
};

class FilePlatform {
  public:
    using Handle = intptr_t;
    virtual ~FilePlatform() = default;
    virtual FileStatus describe(const std::string& path, FileTarget& target) = 0;
    // A new file only its owner can open; Exists when the name is taken.
    virtual FileStatus create(const std::string& tempPath, Handle& file) = 0;
    virtual FileStatus write(Handle file, std::string_view bytes) = 0;
    virtual FileStatus flush(Handle file) = 0;
    // The handle is gone afterwards even when this fails.
    virtual FileStatus close(Handle file) = 0;
    // Gives the closed temporary file what it keeps of the old one (mode and group on
    // POSIX; attributes, security and creation time on Windows), then the target's
    // name, in one rename that leaves the old file in place when it fails.
    virtual FileStatus replace(const std::string& tempPath, const FileTarget& target) = 0;
    virtual void remove(const std::string& tempPath) = 0;

    // Reading: NotAFile for anything but a regular disk file, and on Windows no other
    // program may write the file while it is open. Closed with close().
    virtual FileStatus openToRead(const std::string& path, Handle& file) = 0;
    virtual FileStatus measure(Handle file, FileStamp& stamp) = 0;
    // Up to `capacity` bytes; `got` 0 at the end of the file.
    virtual FileStatus read(Handle file, char* buffer, std::size_t capacity, std::size_t& got) = 0;
};

FilePlatform& platformFiles();

WriteResult writeFileSafely(FilePlatform& files, const std::string& path, std::string_view bytes);
ReadResult readFileBytes(FilePlatform& files, const std::string& path, uint64_t limit,
                         std::size_t room = 1);

// The temporary file's name: a fixed, short name in the target's folder, so any name
// that can be loaded can be saved.
std::string temporaryPathFor(const std::string& target, uint32_t number);

// A short lower-case reason for a message; a missing file when writing means a
// missing folder.
std::string reasonFor(FileStatus status, bool writing);
