// The safe write, the same steps on every platform: refuse what is not a file, create
// a temporary file beside the final target, write, flush, close, replace in one
// rename, clean up.
#include "files/file_platform.h"

#include <cstdio>
#include <random>

namespace {

#ifdef _WIN32
constexpr const char* Separators = "\\/";
#else
constexpr const char* Separators = "/";
#endif

// Names are tried until one is free; a folder full of them is given up on.
constexpr int TemporaryNameAttempts = 100;

WriteResult failed(FileStatus status) {
    return WriteResult{false, reasonFor(status, true)};
}

FileStatus createBeside(FilePlatform& files, const std::string& target, std::string& tempPath,
                        FilePlatform::Handle& file) {
    static uint32_t next = std::random_device{}();
    FileStatus status;
    for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
        tempPath = temporaryPathFor(target, next++);
        status = files.create(tempPath, file);
        if (status.failure != FileFailure::Exists) return status;
    }
    return status;
}

} // namespace

std::string temporaryPathFor(const std::string& target, uint32_t number) {
    char name[16];
    std::snprintf(name, sizeof name, "~ch%08x.tmp", static_cast<unsigned>(number));
    const std::size_t cut = target.find_last_of(Separators);
    return (cut == std::string::npos ? "" : target.substr(0, cut + 1)) + name;
}

std::string reasonFor(FileStatus status, bool writing) {
    switch (status.failure) {
    case FileFailure::None: return "";
    case FileFailure::NotFound: return writing ? "folder not found" : "file not found";
    case FileFailure::AccessDenied: return "access denied";
    case FileFailure::NotAFile: return "not a file";
    case FileFailure::DiskFull: return "disk full";
    case FileFailure::NameTooLong: return "name too long";
    case FileFailure::TooManyLinks: return "too many links";
    case FileFailure::InUse: return "file in use";
    case FileFailure::InvalidName: return "invalid file name";
    case FileFailure::Exists:
    case FileFailure::Other: break;
    }
    return "error " + std::to_string(status.code);
}

namespace {

// The target, links followed, when it may be written.
WriteResult describeTarget(FilePlatform& files, const std::string& path, FileTarget& target) {
    const FileStatus status = files.describe(path, target);
    if (!status.ok()) return failed(status);
    if (target.kind == FileTarget::Kind::Folder || target.kind == FileTarget::Kind::Special)
        return WriteResult{false, "not a file"};
    // A file marked read-only stays as it is, for every user.
    if (target.kind == FileTarget::Kind::RegularFile && !target.writable)
        return WriteResult{false, "access denied"};
    return WriteResult{true, ""};
}

} // namespace

WriteResult writeFileSafely(FilePlatform& files, const std::string& path, std::string_view bytes) {
    FileTarget target;
    const WriteResult writable = describeTarget(files, path, target);
    if (!writable.ok) return writable;

    std::string tempPath;
    FilePlatform::Handle file = 0;
    FileStatus status = createBeside(files, target.path, tempPath, file);
    if (!status.ok()) return failed(status);

    status = files.write(file, bytes);
    if (status.ok()) status = files.flush(file);
    const FileStatus closed = files.close(file);
    if (status.ok()) status = closed;
    if (status.ok()) status = files.replace(tempPath, target);
    if (status.ok()) return WriteResult{true, ""};
    // The replace is one rename: when it fails the old file is still in place, so the
    // temporary file is never the only copy.
    files.remove(tempPath);
    return failed(status);
}

WriteResult checkWritable(const std::string& path) {
    FilePlatform& files = platformFiles();
    FileTarget target;
    const WriteResult writable = describeTarget(files, path, target);
    if (!writable.ok || target.kind != FileTarget::Kind::Missing) return writable;
    // A new file: its folder must be there. "/x" and "C:\x" keep the root's separator.
    const std::size_t cut = target.path.find_last_of(Separators);
    if (cut == std::string::npos) return writable;
    const bool root = cut == 0 || target.path[cut - 1] == ':';
    FileTarget folder;
    const FileStatus status = files.describe(target.path.substr(0, root ? cut + 1 : cut), folder);
    if (!status.ok()) return failed(status);
    if (folder.kind != FileTarget::Kind::Folder) return WriteResult{false, "folder not found"};
    return writable;
}

WriteResult writeFileSafely(const std::string& path, std::string_view bytes) {
    return writeFileSafely(platformFiles(), path, bytes);
}
