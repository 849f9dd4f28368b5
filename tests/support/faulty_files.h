#pragma once
// The platform's file steps with any one of them made to fail, and a record of the
// handles and temporary files the safe writer used.
#include <string>
#include <vector>

#include "files/file_platform.h"

namespace testfiles {

enum class Step { None, Describe, Create, Write, Flush, Close, Replace };

class FaultyFiles : public FilePlatform {
  public:
    Step failing = Step::None;
    FileStatus failure{FileFailure::Other, 5};
    bool tempIsOnlyCopy = false; // reported with a failing replace
    std::vector<Handle> created, closed;
    std::vector<std::string> tempPaths;
    int calls = 0; // every step but describe

    FileStatus describe(const std::string& path, FileTarget& target) override {
        return fails(Step::Describe) ? failure : real.describe(path, target);
    }
    FileStatus create(const std::string& tempPath, Handle& file) override {
        ++calls;
        tempPaths.push_back(tempPath);
        if (fails(Step::Create)) return failure;
        const FileStatus status = real.create(tempPath, file);
        if (status.ok()) created.push_back(file);
        return status;
    }
    FileStatus write(Handle file, std::string_view bytes) override {
        ++calls;
        return fails(Step::Write) ? failure : real.write(file, bytes);
    }
    FileStatus flush(Handle file) override {
        ++calls;
        return fails(Step::Flush) ? failure : real.flush(file);
    }
    // Like the system's own: the handle is gone even when closing reports a failure.
    FileStatus close(Handle file) override {
        ++calls;
        closed.push_back(file);
        const FileStatus status = real.close(file);
        return fails(Step::Close) ? failure : status;
    }
    FileStatus replace(const std::string& tempPath, const FileTarget& target,
                       bool& onlyCopy) override {
        ++calls;
        if (!fails(Step::Replace)) return real.replace(tempPath, target, onlyCopy);
        onlyCopy = tempIsOnlyCopy;
        return failure;
    }
    void remove(const std::string& tempPath) override {
        ++calls;
        real.remove(tempPath);
    }

  private:
    bool fails(Step step) const { return failing == step; }
    FilePlatform& real = platformFiles();
};

} // namespace testfiles
