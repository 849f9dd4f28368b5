#include "files/file_identity.h"

#include <sys/stat.h>

// stat, not open: looking at a pipe or a device must not touch it.
FileIdentity fileIdentity(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) return {};
    return {true, S_ISREG(status.st_mode), static_cast<uint64_t>(status.st_dev),
            static_cast<uint64_t>(status.st_ino)};
}
