#pragma once
// The file commands' tests: the program as it starts, with a fresh folder for the
// files the user names.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "ui/control_ids.h"
#include "shell/file_commands.h"
#include "shell/main_dialog.h"
#include "store/unsaved_changes.h"
#include "tests/support/memory_dialog.h"
#include "tests/support/temp_folder.h"

class FileCommandsTest : public ::testing::Test {
  protected:
    FileCommandsTest() {
        resetProgramState();
        onInitDialog(dialog);
    }
    ~FileCommandsTest() override { resetProgramState(); }

    std::string pathOf(const char* name) const { return temp.file(name); }
    std::vector<std::string> names() const { return temp.names(); }
    void addCopies(int position, int copies) {
        dialog.select(position);
        for (int i = 0; i < copies; ++i)
            dialog.click(IDC_PLUS);
    }
    void load(const std::string& path) {
        if (decksChangedSinceSave()) dialog.queueAnswer(Answer::No); // drop unsaved counts
        dialog.queueFileAnswer(path);
        dialog.command(IDM_FILE_LOAD);
    }
    bool save(const std::string& path) {
        dialog.queueFileAnswer(path);
        return saveDeckFile(dialog);
    }
    std::string lastEvent() const { return dialog.events().empty() ? "" : dialog.events().back(); }

    testfiles::TempFolder temp{"cardhold-files-"};
    const std::filesystem::path& folder = temp.path();
    MemoryDialog dialog;
};
