// The safe writer's and the whole-file reader's steps on POSIX systems.
#include "files/file_platform.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileStatus statusOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR: return {FileFailure::NotFound, 0};
    case EACCES:
    case EPERM:
    case EROFS: return {FileFailure::AccessDenied, 0};
    case EISDIR: return {FileFailure::NotAFile, 0};
    case ENOSPC:
    case EDQUOT: return {FileFailure::DiskFull, 0};
    case ENAMETOOLONG: return {FileFailure::NameTooLong, 0};
    case ELOOP: return {FileFailure::TooManyLinks, 0};
    case EBUSY:
    case ETXTBSY: return {FileFailure::InUse, 0};
    case EEXIST: return {FileFailure::Exists, static_cast<uint32_t>(error)};
    default: return {FileFailure::Other, static_cast<uint32_t>(error)};
    }
}

FileStatus lastError() {
    return statusOf(errno);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Where the link at `path` leads, relative links taken from the link's own folder.
bool followLink(std::string& path) {
    std::string text(PATH_MAX, '\0');
    const ssize_t length = readlink(path.c_str(), text.data(), text.size());
    if (length <= 0) return false;
    text.resize(static_cast<std::size_t>(length));
    path = text.front() == '/' ? text : folderOf(path) + "/" + text;
    return true;
}

mode_t currentUmask() {
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

class PosixFiles final : public FilePlatform {
  public:
    FileStatus describe(const std::string& path, FileTarget& target) override {
        target = FileTarget{};
        target.path = path;
        // The same limit as the system's own for a chain of links.
        for (int links = 0; links <= 40; ++links) {
            struct stat status;
            if (lstat(target.path.c_str(), &status) != 0) {
                if (errno != ENOENT) return lastError();
                target.mode = 0666 & ~currentUmask();
                return {};
            }
            if (S_ISLNK(status.st_mode)) {
                if (!followLink(target.path)) return lastError();
                continue;
            }
            if (S_ISDIR(status.st_mode))
                target.kind = FileTarget::Kind::Folder;
            else if (!S_ISREG(status.st_mode))
                target.kind = FileTarget::Kind::Special;
            else
                target.kind = FileTarget::Kind::RegularFile;
            // The owner's write bit counts for root too, as a read-only mark does on Windows.
            target.writable = (status.st_mode & S_IWUSR) && access(target.path.c_str(), W_OK) == 0;
            target.mode = status.st_mode & 07777 & ~(S_ISUID | S_ISGID);
            target.group = status.st_gid;
            return {};
        }
        return statusOf(ELOOP);
    }

    FileStatus create(const std::string& tempPath, Handle& file) override {
        const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) return lastError();
        file = fd;
        return {};
    }

    // Partial writes continue where they stopped.
    FileStatus write(Handle file, std::string_view bytes) override {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t written =
                ::write(static_cast<int>(file), bytes.data() + done, bytes.size() - done);
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) return lastError();
            if (written == 0) return statusOf(EIO);
            done += static_cast<std::size_t>(written);
        }
        return {};
    }

    FileStatus flush(Handle file) override {
        return fsync(static_cast<int>(file)) == 0 ? FileStatus{} : lastError();
    }

    FileStatus close(Handle file) override {
        return ::close(static_cast<int>(file)) == 0 ? FileStatus{} : lastError();
    }

    // Only now may others read the new contents. The group is kept where this process
    // may set it; owner and extended attributes belong to the old file and go with it.
    FileStatus replace(const std::string& tempPath, const FileTarget& target) override {
        // Not a member of that group: the file keeps this process's group.
        if (target.group >= 0 &&
            chown(tempPath.c_str(), static_cast<uid_t>(-1), static_cast<gid_t>(target.group)) != 0)
            errno = 0;
        if (chmod(tempPath.c_str(), static_cast<mode_t>(target.mode)) != 0) return lastError();
        if (rename(tempPath.c_str(), target.path.c_str()) != 0) return lastError();
        syncFolder(target.path);
        return {};
    }

    void remove(const std::string& tempPath) override { unlink(tempPath.c_str()); }

    FileStatus openToRead(const std::string& path, Handle& file) override {
        // Non-blocking, so that a pipe or device given by mistake cannot hang the program.
        const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) return lastError();
        struct stat status;
        FileStatus result;
        if (fstat(fd, &status) != 0)
            result = lastError();
        else if (!S_ISREG(status.st_mode))
            result = {FileFailure::NotAFile, 0};
        if (!result.ok()) {
            ::close(fd);
            return result;
        }
        file = fd;
        return {};
    }

    // A rewrite in place changes the modification time, a truncation or a change of
    // mode the change time, and most writes the size.
    FileStatus measure(Handle file, FileStamp& stamp) override {
        struct stat status;
        if (fstat(static_cast<int>(file), &status) != 0) return lastError();
        stamp.size = static_cast<uint64_t>(status.st_size);
        stamp.modified = nanoseconds(status.st_mtim);
        stamp.changed = nanoseconds(status.st_ctim);
        return {};
    }

    FileStatus read(Handle file, char* buffer, std::size_t capacity, std::size_t& got) override {
        for (;;) {
            const ssize_t count = ::read(static_cast<int>(file), buffer, capacity);
            if (count < 0 && errno == EINTR) continue;
            if (count < 0) return lastError();
            got = static_cast<std::size_t>(count);
            return {};
        }
    }

  private:
    static int64_t nanoseconds(const timespec& time) {
        return static_cast<int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
    }
    // So that the new name itself survives a power cut; a folder that cannot be synced
    // (some file systems refuse) leaves the file written all the same.
    static void syncFolder(const std::string& path) {
        const int fd = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return;
        fsync(fd);
        ::close(fd);
    }
};

} // namespace

FilePlatform& platformFiles() {
    static PosixFiles files;
    return files;
}
