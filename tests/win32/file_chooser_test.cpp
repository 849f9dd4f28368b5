// The open and save choosers: their set-ups, the folder every chooser starts in, and
// that cancelling touches nothing; once through the test hook and once through the
// system's own dialog.
#include <gtest/gtest.h>

#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <dlgs.h>

#include "ui/control_ids.h"
#include "shell/win32/file_chooser.h"
#include "shell/win32/main_dialog_proc.h"
#include "shell/win32/message_boxes.h"
#include "files/win32/utf8.h"
#include "shell/win32/win32_dialog.h"
#include "tests/support/temp_folder.h"
#include "tests/win32/modal_watcher.h"
#include "tests/win32/win32_test_support.h"

namespace {

// What the hook saw of one chooser.
struct Seen {
    ChooserMode mode;
    FileKind kind;
    OPENFILENAMEW description;
    std::wstring filter; // pairs separated by '|', up to the double NUL
    std::wstring defaultExtension;
    std::wstring initialDirectory;
    bool pathEmpty, titleEmpty;
};

std::vector<Seen> seen;
std::vector<std::wstring> answers; // paths to confirm in turn; none left: cancel
std::wstring folderAfterChoosing;  // where a system chooser may leave the working folder
int boxesShown = 0;

std::wstring filterOf(const wchar_t* filter) {
    std::wstring out;
    for (const wchar_t* at = filter; at && *at; at += wcslen(at) + 1)
        out += std::wstring(out.empty() ? L"" : L"|") + at;
    return out;
}

bool recordingHook(ChooserMode mode, FileKind kind, OPENFILENAMEW& description) {
    seen.push_back({mode, kind, description, filterOf(description.lpstrFilter),
                    description.lpstrDefExt ? description.lpstrDefExt : L"",
                    description.lpstrInitialDir ? description.lpstrInitialDir : L"",
                    description.lpstrFile[0] == L'\0', description.lpstrFileTitle[0] == L'\0'});
    if (answers.empty()) return false;
    const std::wstring path = answers.front();
    answers.erase(answers.begin());
    wcscpy(description.lpstrFile, path.c_str());
    wcscpy(description.lpstrFileTitle, path.substr(path.rfind(L'\\') + 1).c_str());
    if (!folderAfterChoosing.empty()) SetCurrentDirectoryW(folderAfterChoosing.c_str());
    return true;
}

int countingBoxHook(HWND, const wchar_t*, const wchar_t*, UINT) {
    ++boxesShown;
    return IDNO; // the question about unsaved counts: Load goes on to its chooser
}

class FileChooser : public testing::Test {
  protected:
    FileChooser() : start_("cardhold-start-\xc3\xa4"), elsewhere_("cardhold-elsewhere-") {
        GetCurrentDirectoryW(MAX_PATH, original_);
        SetCurrentDirectoryW(start_.path().wstring().c_str());
        dialog_ = std::make_unique<RealMainDialog>(); // records the start folder
        SetCurrentDirectoryW(elsewhere_.path().wstring().c_str());
        seen.clear();
        answers.clear();
        folderAfterChoosing.clear();
        boxesShown = 0;
        setChooserHook(recordingHook);
        setMessageBoxHook(countingBoxHook);
    }
    ~FileChooser() override {
        resetWindowsProgramState();
        dialog_.reset();
        SetCurrentDirectoryW(original_);
    }
    HWND dialog() const { return dialog_->handle(); }

    testfiles::TempFolder start_, elsewhere_;
    std::unique_ptr<RealMainDialog> dialog_;
    wchar_t original_[MAX_PATH];
};

TEST_F(FileChooser, SetsUpEachKindForOpenAndSave) {
    Win32Dialog seam(dialog());
    std::string path = "untouched";
    for (ChooserMode mode : {ChooserMode::Open, ChooserMode::Save})
        for (FileKind kind : {FileKind::Deck, FileKind::Text})
            EXPECT_FALSE(seam.chooseFile(mode, kind, path));
    EXPECT_EQ(path, "untouched");
    ASSERT_EQ(seen.size(), 4u);

    for (const Seen& chooser : seen) {
        const bool deck = chooser.kind == FileKind::Deck;
        const bool open = chooser.mode == ChooserMode::Open;
        SCOPED_TRACE(std::string(open ? "open " : "save ") + (deck ? "deck" : "text"));
        const OPENFILENAMEW& d = chooser.description;
        EXPECT_EQ(d.lStructSize, OPENFILENAME_SIZE_VERSION_400W);
        if (sizeof(void*) == 4) {
            EXPECT_EQ(d.lStructSize, 76u); // the classic record
        }
        EXPECT_EQ(d.hwndOwner, dialog());
        EXPECT_EQ(d.hInstance, nullptr);
        EXPECT_EQ(chooser.filter,
                  deck ? L"TAVEN Files (*.TVN)|*.tvn" : L"Text Files (*.TXT)|*.txt");
        EXPECT_EQ(d.lpstrCustomFilter, nullptr);
        EXPECT_EQ(d.nMaxCustFilter, 0u);
        EXPECT_EQ(d.nFilterIndex, 0u);
        EXPECT_GE(d.nMaxFile, 260u);
        EXPECT_EQ(d.nMaxFileTitle, 512u);
        EXPECT_EQ(d.lpstrTitle, nullptr);
        EXPECT_EQ(chooser.defaultExtension, deck ? L"Tvn" : L"txt");
        EXPECT_EQ(d.Flags, open ? 4u : 6u);
        EXPECT_EQ(d.Flags, open ? static_cast<DWORD>(OFN_HIDEREADONLY)
                                : static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
        EXPECT_EQ(d.lCustData, 0);
        EXPECT_EQ(d.lpfnHook, nullptr);
        EXPECT_EQ(d.lpTemplateName, nullptr);
        EXPECT_EQ(chooser.initialDirectory, start_.path().wstring());
        EXPECT_TRUE(chooser.pathEmpty);
        EXPECT_TRUE(chooser.titleEmpty);
    }
}

TEST_F(FileChooser, ConfirmedPathComesBackAsUtf8) {
    Win32Dialog seam(dialog());
    answers = {L"C:\\Sammlung \u00f8\u6f22\\decks.Tvn"};
    std::string path;
    ASSERT_TRUE(seam.chooseFile(ChooserMode::Open, FileKind::Deck, path));
    EXPECT_EQ(path, "C:\\Sammlung \xc3\xb8\xe6\xbc\xa2\\decks.Tvn");
}

// Each file command asks the right chooser, and every chooser of the run starts in
// the folder recorded at start-up with empty names, whatever folder and names the
// one before it left.
TEST_F(FileChooser, EveryCommandStartsInTheStartUpFolderWithEmptyNames) {
    folderAfterChoosing = elsewhere_.path().wstring();
    const std::wstring target = elsewhere_.path().wstring() + L"\\first.Tvn";
    answers = {target, target};
    RealUser user(dialog());
    user.command(IDM_FILE_SAVE);
    user.command(IDM_FILE_SAVE); // the second Save, as the system chooser would leave it
    user.command(IDM_FILE_LOAD);
    const int exports[] = {IDM_EXPORT_CARDS_BASIC,          IDM_EXPORT_CARDS_DETAILED,
                           IDM_EXPORT_NEEDS_BASIC,          IDM_EXPORT_NEEDS_DETAILED,
                           IDM_EXPORT_CARDS_FILTERED_BASIC, IDM_EXPORT_CARDS_FILTERED_DETAILED,
                           IDM_EXPORT_NEEDS_FILTERED_BASIC, IDM_EXPORT_NEEDS_FILTERED_DETAILED,
                           IDM_EXPORT_CURRENT_LIST};
    for (int id : exports)
        user.command(id);

    ASSERT_EQ(seen.size(), 3u + std::size(exports));
    EXPECT_EQ(seen[0].mode, ChooserMode::Save);
    EXPECT_EQ(seen[0].kind, FileKind::Deck);
    EXPECT_EQ(seen[1].mode, ChooserMode::Save);
    EXPECT_EQ(seen[1].kind, FileKind::Deck);
    EXPECT_EQ(seen[2].mode, ChooserMode::Open);
    EXPECT_EQ(seen[2].kind, FileKind::Deck);
    for (size_t i = 3; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].mode, ChooserMode::Save) << i;
        EXPECT_EQ(seen[i].kind, FileKind::Text) << i;
    }
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].initialDirectory, start_.path().wstring()) << "chooser " << i;
        EXPECT_TRUE(seen[i].pathEmpty) << "chooser " << i;
        EXPECT_TRUE(seen[i].titleEmpty) << "chooser " << i;
    }
}

TEST_F(FileChooser, CancellingAnyCommandTouchesNothing) {
    RealUser user(dialog());
    user.select(4);
    user.click(IDC_PLUS);
    const DialogSnapshot before = snapshotOf(dialog());
    const int commands[] = {IDM_FILE_LOAD,
                            IDM_FILE_SAVE,
                            IDM_EXPORT_CARDS_BASIC,
                            IDM_EXPORT_CARDS_DETAILED,
                            IDM_EXPORT_NEEDS_BASIC,
                            IDM_EXPORT_NEEDS_DETAILED,
                            IDM_EXPORT_CARDS_FILTERED_BASIC,
                            IDM_EXPORT_CARDS_FILTERED_DETAILED,
                            IDM_EXPORT_NEEDS_FILTERED_BASIC,
                            IDM_EXPORT_NEEDS_FILTERED_DETAILED,
                            IDM_EXPORT_CURRENT_LIST};
    for (int id : commands)
        user.command(id);
    EXPECT_EQ(seen.size(), std::size(commands)); // every one of them asked
    EXPECT_TRUE(snapshotOf(dialog()) == before) << differences(snapshotOf(dialog()), before);
    EXPECT_EQ(boxesShown, 1) << "Load's question only";
    EXPECT_TRUE(start_.names().empty());
    EXPECT_TRUE(elsewhere_.names().empty());
}

// The system's own save dialog: it opens in the start-up folder, and a name typed
// without extension comes back with "Tvn" added.
TEST_F(FileChooser, SystemSaveDialogAddsTheDefaultExtension) {
    setChooserHook(nullptr);
    Win32Dialog seam(dialog());
    std::string path;
    bool confirmed = false;
    const ModalOutcome outcome = watchModal(
        dialog(), [&] { confirmed = seam.chooseFile(ChooserMode::Save, FileKind::Deck, path); },
        [](HWND chooser) {
            // The file name box: a combo box in the newer layout, an edit box before.
            HWND name = GetDlgItem(chooser, cmb13);
            if (!name) name = GetDlgItem(chooser, edt1);
            SetWindowTextW(name, L"mydecks");
            PostMessageW(chooser, WM_COMMAND, IDOK, 0);
        });
    ASSERT_TRUE(outcome.appeared);
    EXPECT_TRUE(outcome.closedByAction);
    ASSERT_TRUE(confirmed);
    // The extension is added; which case it takes is the system's (Wine takes the
    // filter's "tvn", Windows the default "Tvn"), and names ignore case anyway.
    const std::string expected = narrow((start_.path().wstring() + L"\\mydecks.Tvn").c_str());
    EXPECT_EQ(_stricmp(path.c_str(), expected.c_str()), 0) << path;
}

TEST_F(FileChooser, SystemOpenDialogCancelledReturnsNothing) {
    setChooserHook(nullptr);
    Win32Dialog seam(dialog());
    std::string path = "untouched";
    bool confirmed = true;
    const ModalOutcome outcome = watchModal(
        dialog(), [&] { confirmed = seam.chooseFile(ChooserMode::Open, FileKind::Text, path); },
        [](HWND chooser) { PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0); });
    ASSERT_TRUE(outcome.appeared);
    EXPECT_TRUE(outcome.closedByAction);
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(path, "untouched");
}

} // namespace
