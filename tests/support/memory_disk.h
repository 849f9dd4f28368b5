#pragma once
// A small memory file system (tmpfs) mounted on a folder inside a test's own
// temporary folder, for a disk that fills up or that may not be written. Linux only,
// and only where the test may mount one (root, or a user namespace that allows it).
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

namespace testfiles {

class MemoryDisk {
  public:
    MemoryDisk(const std::filesystem::path& folder, const char* size) : path_(folder) {
        std::filesystem::create_directory(path_);
        const std::string options = std::string("size=") + size;
        if (mount("tmpfs", path_.c_str(), "tmpfs", 0, options.c_str()) == 0)
            mounted_ = true;
        else
            refusal_ = std::strerror(errno);
    }
    ~MemoryDisk() {
        if (mounted_) umount2(path_.c_str(), MNT_DETACH);
    }
    MemoryDisk(const MemoryDisk&) = delete;
    MemoryDisk& operator=(const MemoryDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& refusal() const { return refusal_; } // why it could not be mounted
    const std::filesystem::path& path() const { return path_; }
    // From now on every write fails, for root too.
    bool makeReadOnly() {
        return mount("tmpfs", path_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

  private:
    std::filesystem::path path_;
    bool mounted_ = false;
    std::string refusal_;
};

} // namespace testfiles
