#include "files/win32/old_file_traits.h"

#include <vector>

namespace {

// The attributes a save carries over; the archive mark is set, the contents being new.
constexpr DWORD KeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Windows' own access lists say where they come from: entries inherited from the
// folder, or a list protected from inheritance. One that says neither was made up by
// the file system from other permissions (Wine makes one from the Unix mode bits, and
// setting it back would change them: 0644 becomes 0775), and is left alone.
bool isWindowsAccessList(PSECURITY_DESCRIPTOR descriptor) {
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    if (GetSecurityDescriptorControl(descriptor, &control, &revision) &&
        (control & SE_DACL_PROTECTED))
        return true;
    BOOL present = FALSE, defaulted = FALSE;
    PACL list = nullptr;
    if (!GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted) || !present || !list)
        return false;
    for (DWORD index = 0; index < list->AceCount; ++index) {
        void* entry = nullptr;
        if (GetAce(list, index, &entry) &&
            (static_cast<const ACE_HEADER*>(entry)->AceFlags & INHERITED_ACE))
            return true;
    }
    return false;
}

// The old file's security descriptor (its access list), empty where this program may
// not read it or it is not Windows' own.
std::vector<char> accessListOf(const std::wstring& path) {
    DWORD needed = 0;
    GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
    std::vector<char> descriptor(needed);
    if (needed == 0 ||
        !GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed,
                          &needed) ||
        !isWindowsAccessList(descriptor.data()))
        descriptor.clear();
    return descriptor;
}

} // namespace

void keepOldFileTraits(const std::wstring& old, const std::wstring& temp) {
    FILE_BASIC_INFO info{};
    const HANDLE source = CreateFileW(old.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (source == INVALID_HANDLE_VALUE) return;
    const bool known = GetFileInformationByHandleEx(source, FileBasicInfo, &info, sizeof info);
    CloseHandle(source);
    const std::vector<char> accessList = accessListOf(old);
    const HANDLE file = CreateFileW(temp.c_str(), FILE_WRITE_ATTRIBUTES | WRITE_DAC, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    if (known) {
        FILE_BASIC_INFO kept{}; // zero: left as it is
        kept.CreationTime = info.CreationTime;
        kept.FileAttributes = (info.FileAttributes & KeptAttributes) | FILE_ATTRIBUTE_ARCHIVE;
        SetFileInformationByHandle(file, FileBasicInfo, &kept, sizeof kept);
    }
    if (!accessList.empty())
        SetKernelObjectSecurity(file, DACL_SECURITY_INFORMATION,
                                const_cast<char*>(accessList.data()));
    CloseHandle(file);
}
