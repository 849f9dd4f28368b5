// The whole-file reader on Windows.
#include "files/safe_file.h"

#include "files/win32/utf8.h"
#include "files/win32/win32_files.h"

namespace {

std::string readReason() {
    return reasonFor(statusOfWin32Error(GetLastError()), false);
}

// Reads to the end, or stops as soon as the file proves larger than `limit`. False
// on a read error, with GetLastError set.
bool readAll(HANDLE file, uint64_t limit, ReadResult& result) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) return false;
    const uint64_t measured = static_cast<uint64_t>(size.QuadPart);
    if (measured > limit) {
        refuseAsTooLarge(result, measured, limit);
        return true;
    }
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, chunk, sizeof chunk, &got, nullptr)) return false;
        if (got == 0) break;
        result.bytes.append(chunk, got);
        // The file may have grown since it was measured.
        if (result.bytes.size() > limit) {
            refuseAsTooLarge(result, result.bytes.size(), limit);
            return true;
        }
    }
    result.fileSize = result.bytes.size();
    return true;
}

} // namespace

ReadResult readFileBytes(const std::string& path, uint64_t limit) {
    ReadResult result;
    FileTarget target;
    const FileStatus status = platformFiles().describe(path, target);
    if (!status.ok()) {
        result.reason = reasonFor(status, false);
        return result;
    }
    // A folder cannot be opened as a file at all, and a device is never opened.
    if (target.kind == FileTarget::Kind::Folder || target.kind == FileTarget::Kind::Special) {
        result.reason = "not a file";
        return result;
    }
    const HANDLE file = CreateFileW(longPathForm(widen(target.path)).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        result.reason = readReason();
        return result;
    }
    if (GetFileType(file) != FILE_TYPE_DISK)
        result.reason = "not a file";
    else if (!readAll(file, limit, result))
        result.reason = readReason();
    CloseHandle(file);
    result.ok = result.reason.empty();
    return result;
}
