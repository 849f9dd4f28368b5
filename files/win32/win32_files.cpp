#include "files/win32/win32_files.h"

#include <algorithm>
#include <vector>

#include "files/win32/device_names.h"
#include "files/win32/old_file_traits.h"
#include "files/win32/utf8.h"

FileStatus statusOfWin32Error(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: return {FileFailure::NotFound, 0};
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return {FileFailure::AccessDenied, 0};
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return {FileFailure::DiskFull, 0};
    case ERROR_FILENAME_EXCED_RANGE: return {FileFailure::NameTooLong, 0};
    case ERROR_INVALID_NAME: return {FileFailure::InvalidName, 0};
    case ERROR_CANT_RESOLVE_FILENAME: return {FileFailure::TooManyLinks, 0};
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return {FileFailure::InUse, 0};
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return {FileFailure::Exists, error};
    default: return {FileFailure::Other, error};
    }
}

std::wstring longPathForm(const std::wstring& absolute) {
    if (absolute.rfind(L"\\\\?\\", 0) == 0 || absolute.rfind(L"\\\\.\\", 0) == 0) return absolute;
    if (absolute.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + absolute.substr(2);
    return L"\\\\?\\" + absolute;
}

namespace {

FileStatus lastError() {
    return statusOfWin32Error(GetLastError());
}

HANDLE handleOf(FilePlatform::Handle file) {
    return reinterpret_cast<HANDLE>(file);
}

std::wstring longWide(const std::string& path) {
    return longPathForm(widen(path));
}

// Wine 8 gives no final name beyond MAX_PATH characters, but still the name within the
// volume: when that is the drive path asked for, no link was followed on the way.
bool reachedAsAsked(HANDLE file, const std::wstring& asked) {
    std::vector<char> buffer(sizeof(FILE_NAME_INFO) + 65536);
    if (asked.size() < 3 || asked[1] != L':' ||
        !GetFileInformationByHandleEx(file, FileNameInfo, buffer.data(),
                                      static_cast<DWORD>(buffer.size())))
        return false;
    const auto* info = reinterpret_cast<const FILE_NAME_INFO*>(buffer.data());
    const int length = static_cast<int>(info->FileNameLength / sizeof(wchar_t));
    return CompareStringOrdinal(info->FileName, length, asked.c_str() + 2,
                                static_cast<int>(asked.size() - 2), TRUE) == CSTR_EQUAL;
}

// The file an open handle reaches, every link and junction followed, in plain form.
bool finalPathOf(HANDLE file, const std::wstring& asked, std::wstring& path) {
    std::wstring found(32768, L'\0');
    const DWORD length =
        GetFinalPathNameByHandleW(file, found.data(), static_cast<DWORD>(found.size()),
                                  FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 && GetLastError() == ERROR_MORE_DATA && reachedAsAsked(file, asked)) {
        path = asked;
        return true;
    }
    if (length == 0 || length >= found.size()) return false;
    found.resize(length);
    if (found.rfind(L"\\\\?\\UNC\\", 0) == 0)
        found = L"\\\\" + found.substr(8);
    else if (found.rfind(L"\\\\?\\", 0) == 0)
        found = found.substr(4);
    path = found;
    return true;
}

FileStatus classify(HANDLE file, const std::wstring& asked, FileTarget& target) {
    if (GetFileType(file) != FILE_TYPE_DISK) {
        target.kind = FileTarget::Kind::Special;
        return {};
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file, &info)) return lastError();
    std::wstring finalPath;
    if (!finalPathOf(file, asked, finalPath)) {
        // What cannot be followed to a file is not replaced.
        target.kind = FileTarget::Kind::Special;
        return {};
    }
    target.path = narrow(finalPath.c_str());
    target.kind = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                      ? FileTarget::Kind::Folder
                      : FileTarget::Kind::RegularFile;
    target.writable = !(info.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
    return {};
}

// No Windows file system holds a name of more than 255 characters; Wine would call
// such a name a missing folder.
bool hasOverlongName(const std::wstring& path) {
    std::size_t start = 0;
    for (std::size_t cut = path.find(L'\\'); cut != std::wstring::npos;
         start = cut + 1, cut = path.find(L'\\', start))
        if (cut - start > 255) return true;
    return path.size() - start > 255;
}

// Another program holding the file for a moment (a virus scanner, an indexer); Wine
// answers a rename over a file any handle holds open with access denied.
bool isBriefSharingError(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED;
}

} // namespace

// The user's path made absolute, for the long form; false with the error set.
bool fullPathOf(const std::wstring& path, std::wstring& full) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return false;
    full.resize(needed);
    const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return false;
    full.resize(length);
    return true;
}

FileStatus Win32Files::describe(const std::string& path, FileTarget& target) {
    target = FileTarget{};
    target.path = path;
    std::wstring wide, full;
    if (!widenStrict(path, wide)) return statusOfWin32Error(ERROR_NO_UNICODE_TRANSLATION);
    if (namesWindowsDevice(path)) {
        target.kind = FileTarget::Kind::Special;
        return {};
    }
    if (!fullPathOf(wide, full)) return lastError();
    if (hasOverlongName(full)) return statusOfWin32Error(ERROR_FILENAME_EXCED_RANGE);
    target.path = narrow(full.c_str());
    const std::wstring longFull = longPathForm(full);
    const HANDLE file = CreateFileW(longFull.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) return statusOfWin32Error(error);
        // A link that leads nowhere is left alone; only a free name is created.
        const DWORD attributes = GetFileAttributesW(longFull.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES) target.kind = FileTarget::Kind::Special;
        return {};
    }
    const FileStatus status = classify(file, full, target);
    CloseHandle(file);
    return status;
}

FileStatus Win32Files::create(const std::string& tempPath, Handle& file) {
    const HANDLE created = CreateFileW(longWide(tempPath).c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) return lastError();
    file = reinterpret_cast<Handle>(created);
    return {};
}

FileStatus Win32Files::write(Handle file, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD piece =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 24));
        DWORD written = 0;
        if (!WriteFile(handleOf(file), bytes.data() + done, piece, &written, nullptr))
            return lastError();
        if (written == 0) return statusOfWin32Error(ERROR_WRITE_FAULT);
        done += written;
    }
    return {};
}

FileStatus Win32Files::flush(Handle file) {
    return FlushFileBuffers(handleOf(file)) ? FileStatus{} : lastError();
}

FileStatus Win32Files::close(Handle file) {
    return CloseHandle(handleOf(file)) ? FileStatus{} : lastError();
}

// One rename over the target: atomic on NTFS, a single rename() under Wine, so the
// name always holds the old file or the new one, and a failure leaves the old one.
FileStatus Win32Files::replace(const std::string& tempPath, const FileTarget& target) {
    const std::wstring temp = longWide(tempPath), final = longWide(target.path);
    if (target.kind == FileTarget::Kind::RegularFile) keepOldFileTraits(final, temp);
    for (int attempt = 1;; ++attempt) {
        const DWORD moveError = moveFile(temp, final);
        if (moveError == 0) return {};
        if (attempt == 5 || !isBriefSharingError(moveError)) return statusOfWin32Error(moveError);
        Sleep(40 * attempt);
    }
}

void Win32Files::remove(const std::string& tempPath) {
    DeleteFileW(longWide(tempPath).c_str());
}

// Without FILE_SHARE_WRITE no other program can change the file while it is read;
// one that has it open for writing makes this fail ("file in use").
FileStatus Win32Files::openToRead(const std::string& path, Handle& file) {
    FileTarget target;
    const FileStatus described = describe(path, target);
    if (!described.ok()) return described;
    // A folder cannot be opened as a file at all, and a device is never opened.
    if (target.kind == FileTarget::Kind::Folder || target.kind == FileTarget::Kind::Special)
        return {FileFailure::NotAFile, 0};
    const HANDLE opened = CreateFileW(longWide(target.path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return lastError();
    if (GetFileType(opened) != FILE_TYPE_DISK) {
        CloseHandle(opened);
        return {FileFailure::NotAFile, 0};
    }
    file = reinterpret_cast<Handle>(opened);
    return {};
}

FileStatus Win32Files::measure(Handle file, FileStamp& stamp) {
    LARGE_INTEGER size;
    FILE_BASIC_INFO info;
    if (!GetFileSizeEx(handleOf(file), &size) ||
        !GetFileInformationByHandleEx(handleOf(file), FileBasicInfo, &info, sizeof info))
        return lastError();
    stamp.size = static_cast<uint64_t>(size.QuadPart);
    stamp.modified = info.LastWriteTime.QuadPart;
    stamp.changed = info.ChangeTime.QuadPart;
    return {};
}

FileStatus Win32Files::read(Handle file, char* buffer, std::size_t capacity, std::size_t& got) {
    DWORD count = 0;
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(capacity, 1u << 24));
    if (!ReadFile(handleOf(file), buffer, piece, &count, nullptr)) return lastError();
    got = count;
    return {};
}

DWORD Win32Files::moveFile(const std::wstring& temp, const std::wstring& target) {
    return MoveFileExW(temp.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : GetLastError();
}

FilePlatform& platformFiles() {
    static Win32Files files;
    return files;
}
