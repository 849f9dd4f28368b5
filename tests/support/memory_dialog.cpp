#include "tests/support/memory_dialog.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "catalogue/windows1252.h"
#include "ui/control_ids.h"
#include "shell/main_dialog.h"

MemoryDialog::MemoryDialog() {
    for (const ControlLayout& layout : MainDialogLayout)
        if (layout.id >= 0) controls_[layout.id] = Control{layout.kind, layout.text};
}

MemoryDialog::Control& MemoryDialog::control(int id) {
    auto found = controls_.find(id);
    if (found == controls_.end())
        throw std::out_of_range("no control with id " + std::to_string(id));
    return found->second;
}

const MemoryDialog::Control& MemoryDialog::control(int id) const {
    return const_cast<MemoryDialog*>(this)->control(id);
}

bool MemoryDialog::hasControl(int id) const {
    return controls_.count(id) != 0;
}
void MemoryDialog::setText(int id, const char* text) {
    control(id).text = text;
}
const std::string& MemoryDialog::text(int id) const {
    return control(id).text;
}
bool MemoryDialog::isChecked(int id) const {
    return control(id).checked;
}
void MemoryDialog::setChecked(int id, bool checked) {
    control(id).checked = checked;
}

void MemoryDialog::listBeginFill(int expectedEntries) {
    entries_.clear();
    selection_ = -1;
    field_.clear();
    entries_.reserve(expectedEntries);
}
void MemoryDialog::listAppend(const char* text) {
    entries_.emplace_back(text);
}
void MemoryDialog::listEndFill() {}

void MemoryDialog::listSelect(int position) {
    listSelectKeepingField(position);
    // Like the real combo box: the field shows the selected entry, or nothing.
    field_ = selection_ >= 0 ? windows1252ToUtf16(entries_[selection_]) : u"";
}
void MemoryDialog::listSelectKeepingField(int position) {
    // Like the real list: an out-of-range position selects nothing.
    selection_ = position >= 0 && position < listSize() ? position : -1;
}
bool MemoryDialog::fieldText(std::string& text) const {
    return utf16ToWindows1252(field_, text);
}
std::string MemoryDialog::field() const {
    std::string text;
    fieldText(text);
    return text;
}
int MemoryDialog::listSelection() const {
    return selection_;
}
int MemoryDialog::listSize() const {
    return static_cast<int>(entries_.size());
}
std::string MemoryDialog::listText(int position) const {
    return entries_.at(position);
}

void MemoryDialog::recordInitialDirectory() {
    // As UTF-8, as paths cross the seam.
    std::error_code error;
    const std::u8string path = std::filesystem::current_path(error).u8string();
    initialDirectory_.assign(path.begin(), path.end());
}

void MemoryDialog::record(const std::string& line) {
    events_.push_back(line);
    if (onEvent) onEvent(line);
}

bool MemoryDialog::chooseFile(ChooserMode mode, FileKind kind, std::string& path,
                              const std::string& title) {
    chooserTitle_ = title;
    std::optional<std::string> answer;
    if (!fileAnswers_.empty()) {
        answer = fileAnswers_.front();
        fileAnswers_.pop_front();
    }
    record(std::string("chooser ") + (mode == ChooserMode::Open ? "open" : "save") + " " +
           (kind == FileKind::Deck ? "deck" : "text") + " -> " + (answer ? *answer : "cancel"));
    if (!answer) return false;
    path = *answer;
    return true;
}

void MemoryDialog::showMessage(const std::string& text) {
    record("message \"" + text + "\"");
}

Answer MemoryDialog::askQuestion(const std::string& text) {
    Answer answer = Answer::Cancel;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    const char* word = answer == Answer::Yes ? "yes" : answer == Answer::No ? "no" : "cancel";
    record("question \"" + text + "\" -> " + word);
    return answer;
}

bool MemoryDialog::confirm(const std::string& text) {
    const bool yes = !answers_.empty() && answers_.front() == Answer::Yes;
    if (!answers_.empty()) answers_.pop_front();
    record("question \"" + text + "\" -> " + (yes ? "yes" : "no"));
    return yes;
}

void MemoryDialog::showAbout() {
    ++aboutShown_;
}

void MemoryDialog::endDialog(int result) {
    ended_ = true;
    endResult_ = result;
}

void MemoryDialog::click(int id) {
    Control& box = control(id);
    if (isCheckBox(box.kind)) box.checked = !box.checked;
    onCommand(*this, id, ButtonClicked);
}

void MemoryDialog::select(int position) {
    listSelect(position);
    onCommand(*this, IDC_CARD_LIST, SelectionChanged);
}

void MemoryDialog::command(int id, int notifyCode) {
    onCommand(*this, id, notifyCode);
}

void MemoryDialog::editField(std::u16string text) {
    field_ = std::move(text);
    // The real control drops its selection before it tells the dialog of the edit.
    selection_ = -1;
    onCommand(*this, IDC_CARD_LIST, FieldEdited);
}

void MemoryDialog::type(const std::string& windows1252) {
    type(windows1252ToUtf16(windows1252));
}
void MemoryDialog::type(std::u16string_view text) {
    if (text.empty()) editField(u"");
    for (size_t typed = 1; typed <= text.size() && !ended_; ++typed)
        editField(std::u16string(text.substr(0, typed)));
}

void MemoryDialog::pressEnter() {
    int target = IDC_OK;
    for (const ControlLayout& layout : MainDialogLayout)
        if (layout.kind == ControlKind::DefaultPushButton) target = layout.id;
    onCommand(*this, target, ButtonClicked);
}

void MemoryDialog::queueFileAnswer(std::optional<std::string> path) {
    fileAnswers_.push_back(std::move(path));
}
void MemoryDialog::queueAnswer(Answer answer) {
    answers_.push_back(answer);
}
