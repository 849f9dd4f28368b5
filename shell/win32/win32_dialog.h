#pragma once
// The dialog seam over a real Win32 dialog window: controls by id, the card list
// (a simple combo box), the file choosers, message boxes and the About box.
#include <windows.h>

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ui/dialog.h"
#include "shell/win32/card_text_tips.h"

class Win32Dialog final : public Dialog {
  public:
    explicit Win32Dialog(HWND dialog = nullptr) { attach(dialog); }
    // Points the seam at `dialog` and maps the id of every child window to the window.
    void attach(HWND dialog);
    HWND handle() const { return dialog_; }
    // Gives the card's text and errata labels tips that show a cut text whole; for the
    // program's own dialog, once attached.
    void addTextTips() { tips_.attach(dialog_, list_); }
    // The card list's notifications that only the window acts on: the focus arriving
    // by keyboard highlights the field's text, as it does for an edit field (a click
    // places the caret), and the keyboard tip follows the focus.
    void listNotified(int notifyCode);

    void holdRedraw() override;
    void releaseRedraw() override;
    bool hasControl(int id) const override;
    void setText(int id, const char* text) override;
    bool isChecked(int id) const override;
    void setChecked(int id, bool checked) override;

    void listBeginFill(int expectedEntries) override;
    void listAppend(const char* text) override;
    void listEndFill() override;
    void listSelect(int position) override;
    int listSelection() const override;
    int listSize() const override;
    std::string listText(int position) const override;
    void listSelectKeepingField(int position) override;
    bool fieldText(std::string& text) const override;

    void recordInitialDirectory() override;
    bool chooseFile(ChooserMode mode, FileKind kind, std::string& path,
                    const std::string& title = {}) override;
    void showMessage(const std::string& text) override;
    Answer askQuestion(const std::string& text) override;
    bool confirm(const std::string& text) override;
    void setCaption(const std::string& text) override;
    void showTip(const std::string& text) override;
    void showAbout() override;
    void endDialog(int result) override;

    // True while a file chooser, a message or the question is open over the dialog.
    bool boxOpen() const { return openBoxes_ > 0; }

  private:
    // Counts a box as open for as long as it exists.
    struct OpenBox {
        explicit OpenBox(int& count) : count_(count) { ++count_; }
        ~OpenBox() { --count_; }
        int& count_;
    };

    LRESULT toList(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(list_, message, wParam, lParam);
    }

    HWND control(int id) const;
    void showText(HWND label, const std::wstring& text);

    HWND dialog_ = nullptr;
    std::unordered_map<int, HWND> controls_; // every control of the dialog, by id
    HWND list_ = nullptr;
    HWND listBox_ = nullptr; // the list inside the combo box, below its edit field
    int openBoxes_ = 0;
    std::string caption_; // as last set, so an unchanged caption is not painted again
    int holds_ = 0;
    // Labels written during the hold, in order, with the last text of each.
    std::vector<std::pair<HWND, std::wstring>> held_;
    CardTextTips tips_;
};
