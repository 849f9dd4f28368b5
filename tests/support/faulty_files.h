#pragma once
// The platform's file steps with any one of them made to fail, or a file made to change
// while it is read, and a record of the handles and temporary files used.
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "files/file_platform.h"

namespace testfiles {

enum class Step { None, Describe, Create, Write, Flush, Close, Replace, Open, Measure, Read };

class FaultyFiles : public FilePlatform {
  public:
    Step failing = Step::None;
    FileStatus failure{FileFailure::Other, 5};
    std::vector<Handle> opened, closed; // created, or opened to read
    std::vector<std::string> tempPaths;
    int calls = 0; // every step but describe

    // Reading: run once before the first read (a test may change the file on disk
    // there); bytes the file seems to grow by once its own are read; a later look at
    // the file that finds another modification time.
    std::function<void()> duringRead;
    std::string grownBy;
    bool stampMoves = false;

    FileStatus describe(const std::string& path, FileTarget& target) override {
        return fails(Step::Describe) ? failure : real.describe(path, target);
    }
    FileStatus create(const std::string& tempPath, Handle& file) override {
        ++calls;
        tempPaths.push_back(tempPath);
        if (fails(Step::Create)) return failure;
        const FileStatus status = real.create(tempPath, file);
        if (status.ok()) opened.push_back(file);
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
    FileStatus replace(const std::string& tempPath, const FileTarget& target) override {
        ++calls;
        return fails(Step::Replace) ? failure : real.replace(tempPath, target);
    }
    void remove(const std::string& tempPath) override {
        ++calls;
        real.remove(tempPath);
    }
    FileStatus openToRead(const std::string& path, Handle& file) override {
        ++calls;
        if (fails(Step::Open)) return failure;
        const FileStatus status = real.openToRead(path, file);
        if (status.ok()) opened.push_back(file);
        return status;
    }
    FileStatus measure(Handle file, FileStamp& stamp) override {
        ++calls;
        if (fails(Step::Measure)) return failure;
        const FileStatus status = real.measure(file, stamp);
        if (stampMoves && measured++ > 0) stamp.modified += 1;
        return status;
    }
    FileStatus read(Handle file, char* buffer, std::size_t capacity, std::size_t& got) override {
        ++calls;
        if (fails(Step::Read)) return failure;
        if (duringRead) std::exchange(duringRead, nullptr)();
        const FileStatus status = real.read(file, buffer, capacity, got);
        if (status.ok() && got == 0 && !grownBy.empty()) {
            got = grownBy.copy(buffer, capacity);
            grownBy.erase(0, got);
        }
        return status;
    }

  private:
    bool fails(Step step) const { return failing == step; }
    FilePlatform& real = platformFiles();
    int measured = 0;
};

} // namespace testfiles
