// The whole-file reader, the same steps on every platform: open, measure, read to the
// end, measure again, close.
#include "files/file_platform.h"

namespace {

constexpr const char* ChangedWhileRead = "it changed while it was read; try again";

void refuseAsTooLarge(ReadResult& result, uint64_t size, uint64_t limit) {
    result.bytes.clear();
    result.bytes.shrink_to_fit();
    result.fileSize = size;
    result.tooLarge = true;
    result.reason =
        "too large (" + std::to_string(size) + " bytes, at most " + std::to_string(limit) + ")";
}

// Reads to the end, or stops as soon as the file proves larger than `limit` (it may
// grow after it was measured).
FileStatus readAll(FilePlatform& files, FilePlatform::Handle file, uint64_t limit,
                   ReadResult& result) {
    char chunk[65536];
    for (;;) {
        std::size_t got = 0;
        const FileStatus status = files.read(file, chunk, sizeof chunk, got);
        if (!status.ok()) return status;
        if (got == 0) return {};
        result.bytes.append(chunk, got);
        if (result.bytes.size() > limit) {
            refuseAsTooLarge(result, result.bytes.size(), limit);
            return {};
        }
    }
}

// Reads the open file, or says why not in `result.reason`.
void readOpenFile(FilePlatform& files, FilePlatform::Handle file, uint64_t limit, std::size_t room,
                  ReadResult& result) {
    FileStamp before, after;
    FileStatus status = files.measure(file, before);
    if (status.ok() && before.size > limit) {
        refuseAsTooLarge(result, before.size, limit);
        return;
    }
    if (status.ok()) {
        result.bytes.reserve(static_cast<std::size_t>(before.size) * room);
        status = readAll(files, file, limit, result);
    }
    if (result.tooLarge) return;
    if (status.ok()) status = files.measure(file, after);
    if (!status.ok()) {
        result.reason = reasonFor(status, false);
    } else if (after != before || result.bytes.size() != before.size) {
        // Another program wrote it meanwhile: the bytes may mix two versions.
        result.reason = ChangedWhileRead;
    } else {
        result.fileSize = result.bytes.size();
        return;
    }
    result.bytes.clear();
}

} // namespace

ReadResult readFileBytes(FilePlatform& files, const std::string& path, uint64_t limit,
                         std::size_t room) {
    ReadResult result;
    FilePlatform::Handle file = 0;
    const FileStatus opened = files.openToRead(path, file);
    if (!opened.ok()) {
        result.reason = reasonFor(opened, false);
        return result;
    }
    readOpenFile(files, file, limit, room, result);
    files.close(file); // nothing was written, so closing cannot lose anything
    result.ok = result.reason.empty();
    return result;
}

ReadResult readFileBytes(const std::string& path, uint64_t limit, std::size_t room) {
    return readFileBytes(platformFiles(), path, limit, room);
}
