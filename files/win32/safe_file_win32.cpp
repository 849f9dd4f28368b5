// The safe file writer and reader on Windows, with wide paths throughout so that
// folder and file names outside the ANSI code page work.
#include "files/safe_file.h"

#include <windows.h>

#include "files/win32/utf8.h"

#include <algorithm>

namespace {

DWORD nativeError(FileError error) {
    switch (error) {
    case FileError::DiskFull: return ERROR_DISK_FULL;
    case FileError::AccessDenied: return ERROR_ACCESS_DENIED;
    case FileError::NotFound: return ERROR_FILE_NOT_FOUND;
    case FileError::InUse: return ERROR_SHARING_VIOLATION;
    case FileError::IoError: break;
    }
    return ERROR_IO_DEVICE;
}

// True when a test wants `step` to fail; GetLastError then gives the error.
bool faultInjected(FileStep step) {
    FileError error;
    if (!takeFileFault(step, error)) return false;
    SetLastError(nativeError(error));
    return true;
}

std::string reasonFor(DWORD error, bool writing) {
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return "disk full";
    case ERROR_ACCESS_DENIED: return "access denied";
    case ERROR_WRITE_PROTECT: return "read-only disk";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: return writing ? "folder not found" : "file not found";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return "file in use";
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_NO_UNICODE_TRANSLATION: return "invalid name";
    case ERROR_FILENAME_EXCED_RANGE: return "name too long";
    case ERROR_TOO_MANY_OPEN_FILES: return "too many open files";
    case ERROR_NOT_READY: return "drive not ready";
    case ERROR_IO_DEVICE:
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE: return "input/output error";
    default: return "system error " + std::to_string(error);
    }
}

bool isBriefSharingError(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// A new, empty file in the target's folder, under a name nobody else holds.
HANDLE createTempFile(const std::wstring& path, std::wstring& tempPath) {
    static unsigned serial = 0;
    const std::size_t cut = path.find_last_of(L"\\/:");
    const std::wstring folder = cut == std::wstring::npos ? L"" : path.substr(0, cut + 1);
    const std::wstring name = cut == std::wstring::npos ? path : path.substr(cut + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder + L"~" + name + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                   std::to_wstring(++serial) + L".tmp";
        if (faultInjected(FileStep::Open)) return INVALID_HANDLE_VALUE;
        const HANDLE file = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        const DWORD error = GetLastError();
        if (file != INVALID_HANDLE_VALUE) return file;
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (faultInjected(FileStep::Write)) return false;
        const DWORD piece =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, piece, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        done += written;
    }
    return true;
}

bool flushToDisk(HANDLE file) {
    return !faultInjected(FileStep::Flush) && FlushFileBuffers(file);
}

bool closeFile(HANDLE file) {
    // The handle is gone even when an injected failure says otherwise.
    const bool injected = faultInjected(FileStep::Close);
    const DWORD error = GetLastError();
    const bool closed = CloseHandle(file);
    if (injected) SetLastError(error);
    return closed && !injected;
}

// ReplaceFileW keeps the old file's attributes and security; where there is nothing
// to replace, or it refuses, a plain move over the target. A file held open by
// another program for a moment (a virus scanner, an indexer) is waited for briefly.
bool replaceTarget(const std::wstring& tempPath, const std::wstring& path, bool exists) {
    for (int attempt = 1;; ++attempt) {
        if (!faultInjected(FileStep::Rename)) {
            if (exists && ReplaceFileW(path.c_str(), tempPath.c_str(), nullptr,
                                       REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
                return true;
            if (MoveFileExW(tempPath.c_str(), path.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return true;
        }
        const DWORD error = GetLastError();
        if (attempt == 5 || !isBriefSharingError(error)) return false;
        Sleep(40 * attempt);
        SetLastError(error);
    }
}

WriteResult failed(DWORD error) {
    return WriteResult{false, reasonFor(error, true)};
}

} // namespace

WriteResult writeFileSafely(const std::string& path, std::string_view bytes) {
    std::wstring target;
    if (!widenStrict(path, target)) return WriteResult{false, "invalid name"};
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return WriteResult{false, "not a file"};
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) return failed(ERROR_ACCESS_DENIED);

    std::wstring tempPath;
    HANDLE file = createTempFile(target, tempPath);
    if (file == INVALID_HANDLE_VALUE) return failed(GetLastError());

    bool ok = writeAll(file, bytes) && flushToDisk(file);
    DWORD error = GetLastError();
    if (ok) {
        ok = closeFile(file);
        error = GetLastError();
        file = INVALID_HANDLE_VALUE;
    }
    if (ok) {
        ok = replaceTarget(tempPath, target, exists);
        error = GetLastError();
    }
    if (!ok) {
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        DeleteFileW(tempPath.c_str());
        return failed(error);
    }
    return WriteResult{true, ""};
}

namespace {

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
        if (faultInjected(FileStep::Read) || !ReadFile(file, chunk, sizeof chunk, &got, nullptr))
            return false;
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
    std::wstring wide;
    if (!widenStrict(path, wide)) {
        result.reason = "invalid name";
        return result;
    }
    // A folder cannot be opened as a file at all; say so rather than "access denied".
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        result.reason = "not a file";
        return result;
    }
    const HANDLE file =
        faultInjected(FileStep::Open)
            ? INVALID_HANDLE_VALUE
            : CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        result.reason = reasonFor(GetLastError(), false);
        return result;
    }
    if (GetFileType(file) != FILE_TYPE_DISK)
        result.reason = "not a file";
    else if (!readAll(file, limit, result))
        result.reason = reasonFor(GetLastError(), false);
    CloseHandle(file);
    result.ok = result.reason.empty();
    return result;
}
