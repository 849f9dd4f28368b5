#pragma once
// The main dialog held in memory: the 68 controls of the real one, behaving as the
// real controls do, for the tests and the headless scenario runner.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog.h"
#include "ui/dialog_layout.h"

class MemoryDialog : public Dialog {
  public:
    MemoryDialog();

    // Dialog
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
    void setCaption(const std::string& text) override { caption_ = text; }
    void showTip(const std::string& text) override { tip_ = text; }
    void showAbout() override;
    void endDialog(int result) override;

    // What the user does. A click toggles an auto check box first, as the real
    // control does, then sends the command; selecting sends the selection notification.
    void click(int id);
    void select(int position);
    void command(int id, int notifyCode = ButtonClicked);
    // Types `text` over the field's highlighted text, one character at a time, each
    // an edit notification; empty text deletes it in one edit. The field holds UTF-16,
    // as the real one does, so a character outside the code page can be typed too.
    void type(const std::string& windows1252);
    void type(std::u16string_view text);
    // Enter outside a push button, as the dialog manager delivers it.
    void pressEnter();

    // Answers for the next chooser and question; with none queued a chooser is
    // cancelled and a question is answered Cancel (a Yes or No question No).
    void queueFileAnswer(std::optional<std::string> path);
    void queueAnswer(Answer answer);

    // What the user sees.
    const std::string& text(int id) const;
    bool isCheckBoxControl(int id) const { return isCheckBox(control(id).kind); }
    const std::vector<std::string>& listEntries() const { return entries_; }
    // The field as Windows-1252, up to a character the code page lacks.
    std::string field() const;
    bool ended() const { return ended_; }
    int endResult() const { return endResult_; }
    const std::string& initialDirectory() const { return initialDirectory_; }
    int aboutShown() const { return aboutShown_; }
    const std::string& caption() const { return caption_; }
    const std::string& tip() const { return tip_; } // the last shown
    const std::string& lastChooserTitle() const { return chooserTitle_; }
    // Choosers, messages and questions as one line each, in order.
    const std::vector<std::string>& events() const { return events_; }
    std::function<void(const std::string&)> onEvent;

  private:
    struct Control {
        ControlKind kind;
        std::string text;
        bool checked = false;
    };
    Control& control(int id);
    const Control& control(int id) const;
    void record(const std::string& line);
    void editField(std::u16string text);

    std::map<int, Control> controls_;
    std::vector<std::string> entries_;
    int selection_ = -1;
    std::u16string field_; // the list's edit field
    std::deque<std::optional<std::string>> fileAnswers_;
    std::deque<Answer> answers_;
    std::vector<std::string> events_;
    std::string initialDirectory_;
    std::string caption_ = MainDialogCaption;
    std::string tip_;
    std::string chooserTitle_;
    int aboutShown_ = 0;
    bool ended_ = false;
    int endResult_ = 0;
};
