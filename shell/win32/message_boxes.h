#pragma once
// The program's message and question boxes. A test hook answers in place of the
// system's box, so that tests never wait on a modal window.
#include <windows.h>

#include <string>

#include "ui/dialog.h"

// Called with the box's owner, text, caption and MB_ flags; returns the button id
// (IDOK, IDYES, IDNO, IDCANCEL) the user would have pressed.
using MessageBoxHook = int (*)(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
void setMessageBoxHook(MessageBoxHook hook);

void showMessageBox(HWND owner, const std::string& utf8Text);
Answer askQuestionBox(HWND owner, const std::string& utf8Text);
// Yes or No, No the default; true for Yes.
bool confirmBox(HWND owner, const std::string& utf8Text);
