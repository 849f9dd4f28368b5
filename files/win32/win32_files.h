#pragma once
// The safe writer's steps on Windows, with wide paths throughout (long ones in the
// "\\?\" form), so that any folder or file name the system accepts works.
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
    FileStatus replace(const std::string& tempPath, const FileTarget& target,
                       bool& tempIsOnlyCopy) override;
    void remove(const std::string& tempPath) override;

  protected:
    // The two system calls that give the new file its name, each returning the error
    // (0: done); tests stand in for them to produce the failures a real disk gives.
    virtual DWORD replaceFile(const std::wstring& target, const std::wstring& temp);
    virtual DWORD moveFile(const std::wstring& temp, const std::wstring& target);
};

FileStatus statusOfWin32Error(DWORD error);

// An absolute path in the form the wide functions take beyond MAX_PATH characters.
std::wstring longPathForm(const std::wstring& absolute);
