#include "shell/win32/message_boxes.h"

#include "files/win32/utf8.h"

namespace {

constexpr const wchar_t* Caption = L"Cardhold";
MessageBoxHook messageBoxHook = nullptr;

int runBox(HWND owner, const std::string& utf8Text, UINT type) {
    const std::wstring text = widen(utf8Text);
    if (messageBoxHook) return messageBoxHook(owner, text.c_str(), Caption, type);
    return MessageBoxW(owner, text.c_str(), Caption, type);
}

} // namespace

void setMessageBoxHook(MessageBoxHook hook) {
    messageBoxHook = hook;
}

void showMessageBox(HWND owner, const std::string& utf8Text) {
    runBox(owner, utf8Text, MB_OK | MB_ICONWARNING);
}

bool confirmBox(HWND owner, const std::string& utf8Text) {
    return runBox(owner, utf8Text, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

Answer askQuestionBox(HWND owner, const std::string& utf8Text) {
    switch (runBox(owner, utf8Text, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return Answer::Yes;
    case IDNO: return Answer::No;
    default: return Answer::Cancel;
    }
}
