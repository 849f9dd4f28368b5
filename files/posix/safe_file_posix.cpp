// The safe file writer and reader on POSIX systems.
#include "files/safe_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int nativeError(FileError error) {
    switch (error) {
    case FileError::DiskFull: return ENOSPC;
    case FileError::AccessDenied: return EACCES;
    case FileError::NotFound: return ENOENT;
    case FileError::InUse: return EBUSY;
    case FileError::IoError: break;
    }
    return EIO;
}

// True when a test wants `step` to fail; errno then holds the error.
bool faultInjected(FileStep step) {
    FileError error;
    if (!takeFileFault(step, error)) return false;
    errno = nativeError(error);
    return true;
}

std::string reasonFor(int error, bool writing) {
    switch (error) {
    case ENOSPC:
    case EDQUOT: return "disk full";
    case EACCES:
    case EPERM: return "access denied";
    case EROFS: return "read-only disk";
    case ENOENT:
    case ENOTDIR: return writing ? "folder not found" : "file not found";
    case EISDIR: return "not a file";
    case EBUSY:
    case ETXTBSY: return "file in use";
    case ENAMETOOLONG: return "name too long";
    case EMFILE:
    case ENFILE: return "too many open files";
    case EIO: return "input/output error";
    default: return std::strerror(error);
    }
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new, empty file beside the target, under a name nobody else holds.
int createTempFile(const std::string& path, std::string& tempPath) {
    static unsigned serial = 0;
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folderOf(path) + "/." + name + "." + std::to_string(getpid()) + "-" +
                   std::to_string(++serial) + ".tmp";
        if (faultInjected(FileStep::Open)) return -1;
        const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Partial writes continue where they stopped.
bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (faultInjected(FileStep::Write)) return false;
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return false;
        if (written == 0) {
            errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool flushToDisk(int fd) {
    return !faultInjected(FileStep::Flush) && fsync(fd) == 0;
}

bool closeFile(int fd) {
    // The descriptor is gone even when close reports an error: never close it twice.
    const bool injected = faultInjected(FileStep::Close);
    const int error = errno;
    const bool closed = close(fd) == 0;
    if (injected) errno = error;
    return closed && !injected;
}

bool replaceTarget(const std::string& tempPath, const std::string& path) {
    return !faultInjected(FileStep::Rename) && rename(tempPath.c_str(), path.c_str()) == 0;
}

// So that the new name itself survives a power cut; a folder that cannot be synced
// (some file systems refuse) leaves the file written all the same.
void syncFolder(const std::string& path) {
    const int fd = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// Reads to the end, or stops as soon as the file proves larger than `limit`. False
// on a read error, with errno set.
bool readAll(int fd, uint64_t measuredSize, uint64_t limit, ReadResult& result) {
    if (measuredSize > limit) {
        refuseAsTooLarge(result, measuredSize, limit);
        return true;
    }
    char chunk[65536];
    for (;;) {
        const ssize_t got = faultInjected(FileStep::Read) ? -1 : read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        result.bytes.append(chunk, static_cast<std::size_t>(got));
        // The file may have grown since it was measured.
        if (result.bytes.size() > limit) {
            refuseAsTooLarge(result, result.bytes.size(), limit);
            return true;
        }
    }
    result.fileSize = result.bytes.size();
    return true;
}

WriteResult failed(int error) {
    return WriteResult{false, reasonFor(error, true)};
}

} // namespace

WriteResult writeFileSafely(const std::string& path, std::string_view bytes) {
    struct stat target;
    const bool exists = stat(path.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) return WriteResult{false, "not a file"};
    // A file marked read-only stays as it is, as it would on Windows.
    if (exists && access(path.c_str(), W_OK) != 0) return failed(errno);

    std::string tempPath;
    int fd = createTempFile(path, tempPath);
    if (fd < 0) return failed(errno);
    if (exists) fchmod(fd, target.st_mode & 07777);

    bool ok = writeAll(fd, bytes) && flushToDisk(fd);
    int error = errno;
    if (ok) {
        ok = closeFile(fd);
        error = errno;
        fd = -1;
    }
    if (ok) {
        ok = replaceTarget(tempPath, path);
        error = errno;
    }
    if (!ok) {
        if (fd >= 0) close(fd);
        unlink(tempPath.c_str());
        return failed(error);
    }
    syncFolder(path);
    return WriteResult{true, ""};
}

ReadResult readFileBytes(const std::string& path, uint64_t limit) {
    ReadResult result;
    // Non-blocking, so that a pipe or device given by mistake cannot hang the program.
    const int fd =
        faultInjected(FileStep::Open) ? -1 : open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.reason = reasonFor(errno, false);
        return result;
    }
    struct stat status;
    if (fstat(fd, &status) != 0)
        result.reason = reasonFor(errno, false);
    else if (!S_ISREG(status.st_mode))
        result.reason = "not a file";
    else if (!readAll(fd, static_cast<uint64_t>(status.st_size), limit, result))
        result.reason = reasonFor(errno, false);
    close(fd);
    result.ok = result.reason.empty();
    return result;
}
