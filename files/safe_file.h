#pragma once
// Reading and writing whole files, the same interface on every platform.
//
// A safe write never leaves a half-written file behind: the bytes go to a new file
// beside the target, are flushed to the disk, and only then take the target's name
// in one step. On any failure the new file is removed and an existing target keeps
// its old bytes exactly. A link is followed and the file it leads to replaced; a
// target that is not a regular file (a folder, a pipe, a device) is refused.
//
// Paths are UTF-8. Failures come back as a short reason in plain words ("disk full",
// "access denied", "file not found", ...), meant to follow the file name in a message.
// The steps and their platform halves: files/file_platform.h.
#include <cstddef>
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
    uint64_t fileSize = 0; // the bytes read, or the size found over the limit
    bool tooLarge = false; // the file holds more than the limit; bytes is empty
};

WriteResult writeFileSafely(const std::string& path, std::string_view bytes);

// What writeFileSafely would refuse before it writes anything: a target that is a
// folder, a pipe or a device, a read-only file, a folder that is not there. Writes
// nothing; the write itself may still fail (a full disk).
WriteResult checkWritable(const std::string& path);

// The whole file, refused unread when it holds more than `limit` bytes, and refused
// when it changed while it was read (another program writing it), so the bytes are
// always one version of the file. `room`: the buffer is reserved for that many times
// the file's size, for a caller that widens the text in place (room not written to
// takes no memory).
ReadResult readFileBytes(const std::string& path, uint64_t limit, std::size_t room = 1);
