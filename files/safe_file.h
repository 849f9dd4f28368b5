#pragma once
// Reading and writing whole files, the same interface on every platform.
//
// A safe write never leaves a half-written file behind: the bytes go to a new file
// beside the target, are flushed to the disk, and only then take the target's name
// in one step. On any failure the new file is removed and an existing target keeps
// its old bytes exactly.
//
// Paths are UTF-8. Failures come back as a short reason in plain words ("disk full",
// "access denied", "file not found", ...), meant to follow the file name in a message.
#include <cstdint>
#include <string>
#include <string_view>

struct WriteResult {
    bool ok = false;
    std::string reason; // empty when ok
};

struct ReadResult {
    bool ok = false;
    std::string bytes;
    std::string reason;    // empty when ok
    uint64_t fileSize = 0; // known once the file was opened
    bool tooLarge = false; // the file holds more than the limit; bytes is empty
};

WriteResult writeFileSafely(const std::string& path, std::string_view bytes);

// The whole file, refused unread when it holds more than `limit` bytes.
ReadResult readFileBytes(const std::string& path, uint64_t limit);

// For the platform halves: refuses a file found to hold `size` bytes, over `limit`.
inline void refuseAsTooLarge(ReadResult& result, uint64_t size, uint64_t limit) {
    result.bytes.clear();
    result.fileSize = size;
    result.tooLarge = true;
    result.reason =
        "too large (" + std::to_string(size) + " bytes, at most " + std::to_string(limit) + ")";
}

// Fault injection for tests: the chosen step fails with the chosen error, as if the
// system had refused it, `times` times in a row (-1: until cleared). Each platform
// turns the error into its own native code and reports it like a real one.
enum class FileStep { None, Open, Read, Write, Flush, Close, Rename };
enum class FileError { DiskFull, AccessDenied, NotFound, InUse, IoError };

struct FileFault {
    FileStep step = FileStep::None;
    FileError error = FileError::IoError;
    int times = -1;
};

inline FileFault activeFileFault;

inline void injectFileFault(FileFault fault) {
    activeFileFault = fault;
}
inline void clearFileFault() {
    activeFileFault = FileFault{};
}

// For the platform halves: whether `step` is to fail now, and with which error.
inline bool takeFileFault(FileStep step, FileError& error) {
    if (activeFileFault.step != step || activeFileFault.times == 0) return false;
    if (activeFileFault.times > 0) --activeFileFault.times;
    error = activeFileFault.error;
    return true;
}
