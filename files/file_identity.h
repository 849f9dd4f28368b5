#pragma once
// Which file a path names, every link on the way followed, so that two names can be
// told to be one file however they are spelt: through a link or a hard link, and on
// Windows in another case, with trailing dots or spaces, or as a short name.
#include <cstdint>
#include <string>

struct FileIdentity {
    bool found = false;       // false: nothing there, or nothing that can be looked at
    bool regularFile = false; // a file, not a folder, pipe or device
    uint64_t volume = 0;      // POSIX: the device; Windows: the volume serial number
    uint64_t index = 0;       // POSIX: the inode; Windows: the file index

    bool sameFileAs(const FileIdentity& other) const {
        return found && other.found && volume == other.volume && index == other.index;
    }
};

// Never opens a device: a Windows device name is not found.
FileIdentity fileIdentity(const std::string& path);
