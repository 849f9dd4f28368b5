#include "shell/win32/win32_dialog.h"

#include <algorithm>
#include <string>

#include "catalogue/windows1252.h"
#include "ui/control_ids.h"
#include "files/win32/utf8.h"
#include "shell/win32/about_box.h"
#include "shell/win32/change_tip.h"
#include "shell/win32/file_chooser.h"
#include "shell/win32/message_boxes.h"

namespace {

// Room the list reserves per entry when a fill starts: a card name and its NUL, in
// UTF-16.
constexpr int BytesPerEntry = 38 * sizeof(wchar_t);

// The controls are Unicode: catalogue texts go in as UTF-16, converted from
// Windows-1252 here, so no ANSI code page other than 1252 can change a letter.
std::wstring wide(const char* text) {
    const std::u16string utf16 = windows1252ToUtf16(text);
    return std::wstring(utf16.begin(), utf16.end());
}

} // namespace

// The dialog's controls never change, so each is looked up once: under Wine every
// GetDlgItem asks the window server for the whole child list, and a filter click
// touches some forty ids.
void Win32Dialog::attach(HWND dialog) {
    dialog_ = dialog;
    controls_.clear();
    for (HWND child = dialog ? GetWindow(dialog, GW_CHILD) : nullptr; child;
         child = GetWindow(child, GW_HWNDNEXT))
        controls_.emplace(GetDlgCtrlID(child), child);
    list_ = control(IDC_CARD_LIST);
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    listBox_ = list_ && GetComboBoxInfo(list_, &parts) ? parts.hwndList : nullptr;
    tips_.attach(nullptr, nullptr); // none of a former dialog's
    caption_.clear();
}

void Win32Dialog::holdRedraw() {
    ++holds_;
}

// Each label written during the hold is painted once, by writing its last text again.
void Win32Dialog::releaseRedraw() {
    if (holds_ == 0 || --holds_ > 0) return;
    for (const auto& [label, text] : held_)
        showText(label, text);
    held_.clear();
}

void Win32Dialog::showText(HWND label, const std::wstring& text) {
    SetWindowTextW(label, text.c_str());
    tips_.labelChanged(label, text);
}

void Win32Dialog::listNotified(int notifyCode) {
    if (notifyCode == CBN_SETFOCUS) {
        const bool clicked = GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0 ||
                             GetKeyState(VK_MBUTTON) < 0;
        if (!clicked) toList(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        tips_.listFocusGained();
    } else if (notifyCode == CBN_KILLFOCUS) {
        tips_.listFocusLost();
    }
}

HWND Win32Dialog::control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

bool Win32Dialog::hasControl(int id) const {
    return control(id) != nullptr;
}

// A static label paints as its text is set. While a hold is on, the text is stored
// without painting (the default handling of the message), and painted at the release.
void Win32Dialog::setText(int id, const char* text) {
    HWND label = control(id);
    std::wstring shown = wide(text);
    if (holds_ == 0) {
        showText(label, shown);
        return;
    }
    DefWindowProcW(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    const auto held = std::find_if(held_.begin(), held_.end(),
                                   [label](const auto& entry) { return entry.first == label; });
    if (held == held_.end())
        held_.emplace_back(label, std::move(shown));
    else
        held->second = std::move(shown);
}

bool Win32Dialog::isChecked(int id) const {
    return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Dialog::setChecked(int id, bool checked) {
    const LRESULT state = checked ? BST_CHECKED : BST_UNCHECKED;
    // A box already in that state needs no paint, held or not.
    HWND box = control(id);
    if (SendMessageW(box, BM_GETCHECK, 0, 0) == state) return;
    SendMessageW(box, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

// The list is emptied and filled with drawing switched off, its storage reserved up
// front after the emptying (which would free it), so a refill of all 1674 names costs
// one repaint.
void Win32Dialog::listBeginFill(int expectedEntries) {
    toList(WM_SETREDRAW, FALSE);
    toList(CB_RESETCONTENT);
    toList(CB_INITSTORAGE, static_cast<WPARAM>(expectedEntries),
           static_cast<LPARAM>(expectedEntries) * BytesPerEntry);
}

void Win32Dialog::listAppend(const char* text) {
    toList(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text).c_str()));
}

void Win32Dialog::listEndFill() {
    toList(WM_SETREDRAW, TRUE);
    RedrawWindow(list_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// CB_SETCURSEL sends no notification, so selecting from code stays quiet.
void Win32Dialog::listSelect(int position) {
    toList(CB_SETCURSEL, static_cast<WPARAM>(position));
}

// Through the combo box's own list: CB_SETCURSEL would copy the entry into the field
// and highlight it, so the next key would wipe what the user typed.
void Win32Dialog::listSelectKeepingField(int position) {
    SendMessageW(listBox_, LB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

bool Win32Dialog::fieldText(std::string& text) const {
    std::wstring typed(static_cast<size_t>(GetWindowTextLengthW(list_)) + 1, L'\0');
    typed.resize(
        static_cast<size_t>(GetWindowTextW(list_, typed.data(), static_cast<int>(typed.size()))));
    return utf16ToWindows1252(std::u16string(typed.begin(), typed.end()), text);
}

int Win32Dialog::listSelection() const {
    const LRESULT selection = toList(CB_GETCURSEL);
    return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

int Win32Dialog::listSize() const {
    const LRESULT count = toList(CB_GETCOUNT);
    return count == CB_ERR ? 0 : static_cast<int>(count);
}

// Every entry went in from Windows-1252, so it converts back exactly.
std::string Win32Dialog::listText(int position) const {
    const LRESULT length = toList(CB_GETLBTEXTLEN, static_cast<WPARAM>(position));
    if (length == CB_ERR) return {};
    std::u16string utf16(static_cast<size_t>(length) + 1, u'\0');
    const LRESULT copied =
        toList(CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(utf16.data()));
    utf16.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    std::string text;
    return utf16ToWindows1252(utf16, text) ? text : std::string();
}

void Win32Dialog::recordInitialDirectory() {
    recordChooserDirectory();
}

bool Win32Dialog::chooseFile(ChooserMode mode, FileKind kind, std::string& path,
                             const std::string& title) {
    const OpenBox open(openBoxes_);
    return runFileChooser(dialog_, mode, kind, path, title);
}

void Win32Dialog::showMessage(const std::string& text) {
    const OpenBox open(openBoxes_);
    showMessageBox(dialog_, text);
}

Answer Win32Dialog::askQuestion(const std::string& text) {
    const OpenBox open(openBoxes_);
    return askQuestionBox(dialog_, text);
}

bool Win32Dialog::confirm(const std::string& text) {
    const OpenBox open(openBoxes_);
    return confirmBox(dialog_, text);
}

void Win32Dialog::setCaption(const std::string& text) {
    if (text == caption_) return;
    caption_ = text;
    SetWindowTextW(dialog_, widen(text).c_str());
}

void Win32Dialog::showTip(const std::string& text) {
    showChangeTip(dialog_, tips_.keyboardTipWindow(), widen(text));
}

void Win32Dialog::showAbout() {
    ::showAbout(dialog_);
}

void Win32Dialog::endDialog(int result) {
    EndDialog(dialog_, result);
}
