// Load, Save and the exports through the real dialog, its procedure and the Windows
// file functions, with the chooser answered by the test hook; the bytes on disk are
// checked. The folder's name lies outside the ANSI code page, so wide paths matter.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <windows.h>

#include "catalogue/card_record.h"
#include "reports/deck_report.h"
#include "ui/control_ids.h"
#include "shell/win32/file_chooser.h"
#include "shell/win32/main_dialog_proc.h"
#include "shell/win32/message_boxes.h"
#include "files/win32/utf8.h"
#include "store/deck_set.h"
#include "tests/support/temp_folder.h"
#include "tests/win32/win32_test_support.h"

namespace {

using testfiles::readBytes;
using testfiles::writeBytes;

std::vector<std::wstring> answers;
std::vector<std::wstring> messages;

bool answeringHook(ChooserMode, FileKind, OPENFILENAMEW& description) {
    if (answers.empty()) return false;
    wcscpy(description.lpstrFile, answers.front().c_str());
    answers.erase(answers.begin());
    return true;
}

// Messages are recorded; the question about unsaved counts is answered No.
int recordingBoxHook(HWND, const wchar_t* text, const wchar_t*, UINT type) {
    if ((type & MB_TYPEMASK) == MB_YESNOCANCEL) return IDNO;
    messages.push_back(text);
    return IDOK;
}

class FileCommandsOnWindows : public testing::Test {
  protected:
    FileCommandsOnWindows() {
        answers.clear();
        messages.clear();
        setChooserHook(answeringHook);
        setMessageBoxHook(recordingBoxHook);
    }
    ~FileCommandsOnWindows() override { resetWindowsProgramState(); }
    std::wstring file(const wchar_t* name) const { return (folder_.path() / name).wstring(); }

    testfiles::TempFolder folder_{"cardhold-\xCE\xA9-"}; // Greek Omega, outside the ANSI page
    RealMainDialog dialog_;
    RealUser user_{dialog_.handle()};
};

TEST_F(FileCommandsOnWindows, SaveThenLoadRestoresTheDecks) {
    user_.select(5);
    for (int press = 0; press < 3; ++press)
        user_.click(IDC_PLUS);
    answers = {file(L"decks.tvn")};
    user_.command(IDM_FILE_SAVE);

    const std::string bytes = readBytes(file(L"decks.tvn"));
    ASSERT_EQ(bytes.size(), 33480u);
    for (size_t at = 0; at < bytes.size(); ++at)
        ASSERT_EQ(static_cast<unsigned char>(bytes[at]), at == 20 ? 3u : 0u) << "byte " << at;
    EXPECT_EQ(folder_.names().size(), 1u) << "no temporary file left beside it";

    user_.command(IDM_DECK_CLEAR_YES);
    EXPECT_EQ(controlText(dialog_.handle(), IDC_PANEL_TOTAL), "Store Deck 1 total 0 Cards");
    answers = {file(L"decks.tvn")};
    user_.command(IDM_FILE_LOAD);
    EXPECT_EQ(deckSet.decks[0].counts[5], 3);
    EXPECT_EQ(controlText(dialog_.handle(), IDC_PANEL_TOTAL), "Store Deck 1 total 3 Cards");
    EXPECT_EQ(controlText(dialog_.handle(), IDC_PANEL_HAS),
              std::string("Deck  1 has 3 ") + CardCatalogue[5].name);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FileCommandsOnWindows, ExportsWriteTheReportBytesWithCrLf) {
    user_.select(2);
    user_.click(IDC_PLUS);
    answers = {file(L"cards.txt"), file(L"list.txt")};
    user_.command(IDM_EXPORT_CARDS_DETAILED);
    user_.command(IDM_EXPORT_CURRENT_LIST);

    std::string expected;
    writeDeckReport(
        expected, 0,
        {DeckReportKind::Cards, DeckReportKind::Detailed, DeckReportKind::WholeCatalogue});
    const std::string cards = readBytes(file(L"cards.txt"));
    EXPECT_EQ(cards, expected);
    EXPECT_EQ(cards.substr(cards.size() - 17), "\r\nTotal Cards 1\r\n");
    const std::string list = readBytes(file(L"list.txt"));
    EXPECT_EQ(list.substr(0, 37), CardCatalogue[0].name);
    EXPECT_EQ(list.substr(list.size() - 18), "Total Cards 1674\r\n");
    EXPECT_EQ(list.size(), 1674u * 55 + 18);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FileCommandsOnWindows, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    const std::wstring target = file(L"decks.tvn");
    writeBytes(target, "the old decks");
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
    user_.click(IDC_PLUS);
    answers = {target};
    user_.command(IDM_FILE_SAVE);

    EXPECT_EQ(readBytes(target), "the old decks");
    EXPECT_EQ(folder_.names().size(), 1u);
    ASSERT_EQ(messages.size(), 1u);
    const std::string message = narrow(messages[0].c_str());
    EXPECT_NE(message.find("Could not save"), std::string::npos) << message;
    EXPECT_NE(message.find(narrow(target.c_str())), std::string::npos) << message;
}

TEST_F(FileCommandsOnWindows, AWrongSizedFileLoadsNothing) {
    user_.click(IDC_PLUS);
    writeBytes(file(L"short.tvn"), std::string(6696, '\x07'));
    answers = {file(L"short.tvn")};
    user_.command(IDM_FILE_LOAD);
    EXPECT_EQ(deckSet.decks[0].counts[0], 1);
    EXPECT_EQ(deckSet.decks[0].counts[1], 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(narrow(messages[0].c_str()).find("wrong size (6696 bytes, expected 33480)"),
              std::string::npos);
}

// A file another program has open for writing could change under the read: the Load
// refuses it and changes no count.
TEST_F(FileCommandsOnWindows, ALoadWhileAnotherProgramWritesTheFileChangesNoCount) {
    const std::wstring target = file(L"decks.tvn");
    writeBytes(target, std::string(33480, '\x02'));
    const HANDLE writer =
        CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    user_.click(IDC_PLUS);
    answers = {target};
    user_.command(IDM_FILE_LOAD);
    CloseHandle(writer);
    EXPECT_EQ(deckSet.decks[0].counts[0], 1);
    EXPECT_EQ(deckSet.decks[0].counts[1], 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(narrow(messages[0].c_str()),
              "Could not load " + narrow(target.c_str()) + ": file in use.");
}

} // namespace
