#include "files/file_identity.h"

#include "files/win32/device_names.h"
#include "files/win32/utf8.h"
#include "files/win32/win32_files.h"

// The volume serial number and file index of an open handle name one file whatever
// name reached it; the handle asks for attributes only and shares everything.
FileIdentity fileIdentity(const std::string& path) {
    std::wstring wide, full;
    if (!widenStrict(path, wide) || namesWindowsDevice(path) || !fullPathOf(wide, full)) return {};
    full = longPathForm(full);
    const HANDLE file = CreateFileW(full.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    FileIdentity identity;
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info)) {
        identity.found = true;
        identity.regularFile = !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        identity.volume = info.dwVolumeSerialNumber;
        identity.index = (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    }
    CloseHandle(file);
    return identity;
}
