#pragma once
// The safe writer's and the reader's steps on Windows, with wide paths throughout
// (long ones in the "\\?\" form), so that any folder or file name the system accepts
// works.
#include <windows.h>

#include <string>

#include "files/file_platform.h"

class Win32Files : public FilePlatform {
  public:
    FileStatus describe(const std::string& path, FileTarget& target) override;
    FileStatus create(const std::string& tempPath, Handle& file) override;
    FileStatus write(Handle file, std::string_view bytes) override;
    FileStatus flush(Handle file) override;
    FileStatus close(Handle file) override;
    FileStatus replace(const std::string& tempPath, const FileTarget& target) override;
    void remove(const std::string& tempPath) override;
    FileStatus openToRead(const std::string& path, Handle& file) override;
    FileStatus measure(Handle file, FileStamp& stamp) override;
    FileStatus read(Handle file, char* buffer, std::size_t capacity, std::size_t& got) override;

  protected:
    // The system call that gives the new file its name, returning the error (0: done);
    // tests stand in for it to produce the failures a real disk gives.
    virtual DWORD moveFile(const std::wstring& temp, const std::wstring& target);
};

FileStatus statusOfWin32Error(DWORD error);

// The path made absolute as Windows resolves it (current folder, trailing dots and
// spaces dropped); false with the error set.
bool fullPathOf(const std::wstring& path, std::wstring& full);

// An absolute path in the form the wide functions take beyond MAX_PATH characters.
std::wstring longPathForm(const std::wstring& absolute);
