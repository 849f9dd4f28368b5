// The About box and the message and question boxes, on the real dialogs.
#include <gtest/gtest.h>

#include <string>

#include "ui/control_ids.h"
#include "shell/win32/file_chooser.h"
#include "shell/win32/main_dialog_proc.h"
#include "shell/win32/message_boxes.h"
#include "shell/win32/win32_dialog.h"
#include "tests/win32/modal_watcher.h"
#include "tests/win32/win32_test_support.h"

namespace {

// How the user closes the About box.
enum class Closing { OkButton, EnterKey, EscapeKey, CloseBox };

void closeAbout(HWND about, Closing how) {
    HWND focus = GetFocus();
    if (!focus || (focus != about && !IsChild(about, focus))) focus = about;
    switch (how) {
    case Closing::OkButton: PostMessageW(GetDlgItem(about, IDC_OK), BM_CLICK, 0, 0); break;
    // Keys go through the box's own modal loop, which turns them into commands.
    case Closing::EnterKey: PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 0); break;
    case Closing::EscapeKey: PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 0); break;
    case Closing::CloseBox: PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
}

class AboutBox : public testing::TestWithParam<Closing> {};

TEST_P(AboutBox, OpensFromTheMenuAndCloses) {
    RealMainDialog dialog;
    std::wstring caption = L"unread", texts;
    const ModalOutcome outcome = watchModal(
        dialog.handle(), [&] { RealUser(dialog.handle()).command(IDM_ABOUT); },
        [&](HWND about) {
            wchar_t text[64];
            GetWindowTextW(about, text, 64);
            caption = text;
            texts = childTexts(about);
            closeAbout(about, GetParam());
        });
    ASSERT_TRUE(outcome.appeared) << "no About box owned by the main dialog";
    EXPECT_TRUE(outcome.closedByAction) << "the About box stayed open";
    EXPECT_EQ(caption, L"");
    EXPECT_NE(texts.find(L"TAVEN Version 1.5\n"), std::wstring::npos);
    EXPECT_NE(texts.find(L"free to use"), std::wstring::npos);
    EXPECT_TRUE(IsWindowEnabled(dialog.handle())) << "the main dialog is usable again";
}

std::string closingName(const testing::TestParamInfo<Closing>& info) {
    const char* const names[] = {"OkButton", "EnterKey", "EscapeKey", "CloseBox"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutBox,
                         testing::Values(Closing::OkButton, Closing::EnterKey, Closing::EscapeKey,
                                         Closing::CloseBox),
                         closingName);

struct BoxCall {
    HWND owner;
    std::wstring text, caption;
    UINT type;
};
BoxCall lastBox;
int hookAnswer = IDOK;

int recordingBoxHook(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
    lastBox = {owner, text, caption, type};
    return hookAnswer;
}

class MessageBoxes : public testing::Test {
  protected:
    MessageBoxes() { setMessageBoxHook(recordingBoxHook); }
    ~MessageBoxes() override { setMessageBoxHook(nullptr); }
    RealMainDialog dialog_;
};

TEST_F(MessageBoxes, MessageIsShownOverTheDialogInItsOwnCharacters) {
    Win32Dialog seam(dialog_.handle());
    seam.showMessage("Could not write \xc2\xab"
                     "D\xc3\xa9"
                     "cks.Tvn\xc2\xbb: disk full");
    EXPECT_EQ(lastBox.owner, dialog_.handle());
    EXPECT_EQ(lastBox.text, L"Could not write \u00abD\u00e9cks.Tvn\u00bb: disk full");
    EXPECT_EQ(lastBox.caption, L"Cardhold");
    EXPECT_EQ(lastBox.type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
}

TEST_F(MessageBoxes, QuestionOffersYesNoCancelAndReportsTheButton) {
    Win32Dialog seam(dialog_.handle());
    const std::pair<int, Answer> buttons[] = {
        {IDYES, Answer::Yes}, {IDNO, Answer::No}, {IDCANCEL, Answer::Cancel}};
    for (const auto& [button, answer] : buttons) {
        hookAnswer = button;
        EXPECT_EQ(seam.askQuestion("Save changes?"), answer) << button;
        EXPECT_EQ(lastBox.type & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
        EXPECT_EQ(lastBox.owner, dialog_.handle());
    }
}

// Leaving with unsaved counts asks first: Cancel stays, No leaves. Shown, so that
// the dialog's end can be seen.
TEST(LeavingTheProgram, WithUnsavedCountsAsksBeforeEnding) {
    RealMainDialog dialog(Visibility::Shown);
    setMessageBoxHook(recordingBoxHook);
    RealUser user(dialog.handle());
    user.click(IDC_PLUS);
    hookAnswer = IDCANCEL;
    user.command(IDM_FILE_EXIT);
    EXPECT_EQ(lastBox.type & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_TRUE(IsWindowVisible(dialog.handle()));
    hookAnswer = IDNO;
    user.command(IDC_CANCEL);
    EXPECT_FALSE(IsWindowVisible(dialog.handle())) << "the dialog should have ended";
    setMessageBoxHook(nullptr);
}

// A log-off or shut-down asks as leaving does and answers through DWLP_MSGRESULT;
// while a box is already open it is refused without asking again.
int boxesShown = 0;
HWND queriedDuringBox = nullptr;
LRESULT answerDuringBox = -1;

LRESULT queryEndSession(HWND dialog) {
    return SendMessageW(dialog, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
}

int countingBoxHook(HWND, const wchar_t*, const wchar_t*, UINT) {
    ++boxesShown;
    if (queriedDuringBox) answerDuringBox = queryEndSession(queriedDuringBox);
    return hookAnswer;
}

bool cancellingChooser(ChooserMode, FileKind, OPENFILENAMEW&) {
    return false;
}

TEST(EndingTheSession, AsksAboutUnsavedCountsAsLeavingDoes) {
    RealMainDialog dialog;
    setMessageBoxHook(countingBoxHook);
    setChooserHook(cancellingChooser);
    EXPECT_EQ(queryEndSession(dialog.handle()), TRUE);
    EXPECT_EQ(boxesShown, 0) << "nothing to save, nothing asked";

    RealUser user(dialog.handle());
    user.click(IDC_PLUS);
    hookAnswer = IDCANCEL;
    EXPECT_EQ(queryEndSession(dialog.handle()), FALSE);
    hookAnswer = IDYES;
    EXPECT_EQ(queryEndSession(dialog.handle()), FALSE) << "the save did not happen";
    hookAnswer = IDNO;
    EXPECT_EQ(queryEndSession(dialog.handle()), TRUE);
    EXPECT_EQ(boxesShown, 3);

    queriedDuringBox = dialog.handle(); // while Load's own question is open
    hookAnswer = IDCANCEL;
    user.command(IDM_FILE_LOAD);
    EXPECT_EQ(answerDuringBox, FALSE);
    EXPECT_EQ(boxesShown, 4) << "no second question";
    queriedDuringBox = nullptr;
    resetWindowsProgramState();
}

// The system's own boxes, answered by a watcher as a user would.
TEST(SystemMessageBoxes, ShowTheTextAndReportTheButtonPressed) {
    RealMainDialog dialog;
    Win32Dialog seam(dialog.handle());
    std::wstring texts;
    ModalOutcome outcome = watchModal(
        dialog.handle(), [&] { seam.showMessage("Could not read \xc2\xab\xc3\xb8.Tvn\xc2\xbb"); },
        [&](HWND box) {
            texts = childTexts(box);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
    ASSERT_TRUE(outcome.appeared);
    EXPECT_TRUE(outcome.closedByAction);
    EXPECT_NE(texts.find(L"Could not read \u00ab\u00f8.Tvn\u00bb"), std::wstring::npos)
        << texts.size();

    Answer answer = Answer::Yes;
    bool hasCancel = false;
    outcome = watchModal(
        dialog.handle(), [&] { answer = seam.askQuestion("Save changes?"); },
        [&](HWND box) {
            hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
            PostMessageW(box, WM_COMMAND, IDNO, 0);
        });
    ASSERT_TRUE(outcome.appeared);
    EXPECT_TRUE(outcome.closedByAction);
    EXPECT_TRUE(hasCancel);
    EXPECT_EQ(answer, Answer::No);
}

} // namespace
