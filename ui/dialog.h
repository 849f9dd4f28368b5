#pragma once
// The one seam between the program and its dialog: everything the core needs of the
// controls, the file choosers and the message boxes. No Windows types here; the
// Win32 dialog and the in-memory dialog both implement it.
//
// Texts shown from the catalogue are Windows-1252 bytes; an implementation converts
// them explicitly to what its controls show (never through a system code page) and
// gives list texts back as the same bytes. Paths and messages are UTF-8, so that
// folder names outside the ANSI code page survive.
#include <string>

enum class FileKind { Deck, Text };
enum class ChooserMode { Open, Save };
enum class Answer { Yes, No, Cancel };

// What a control's command says happened (WM_COMMAND's high word). The values are
// Windows' own; shell/win32/ holds them against <windows.h>.
enum Notification : int {
    ButtonClicked = 0,    // BN_CLICKED, also the code of menu commands
    SelectionChanged = 1, // CBN_SELCHANGE
    FieldEdited = 5,      // CBN_EDITCHANGE: the user changed the list's field
};

class Dialog {
  public:
    virtual ~Dialog() = default;

    // Holds the painting of every control written until the matching release, which
    // shows each of them once: a refresh blanks and rewrites its labels, and only the
    // end of it need be seen. Holds nest. A dialog that does not paint ignores them.
    virtual void holdRedraw() {}
    virtual void releaseRedraw() {}

    virtual bool hasControl(int id) const = 0;
    virtual void setText(int id, const char* text) = 0;
    virtual bool isChecked(int id) const = 0;
    virtual void setChecked(int id, bool checked) = 0;

    // The card list. Selecting from code sends no notification; -1 selects nothing.
    // A fill empties the list first; the entries are shown once it ends.
    virtual void listBeginFill(int expectedEntries) = 0;
    virtual void listAppend(const char* text) = 0;
    virtual void listEndFill() = 0;
    virtual void listSelect(int position) = 0;
    virtual int listSelection() const = 0;
    virtual int listSize() const = 0;
    virtual std::string listText(int position) const = 0;
    // The list's edit field. Selecting with listSelect puts the entry's text there;
    // listSelectKeepingField leaves what the user typed in place. fieldText gives the
    // field as Windows-1252 bytes, false when a character has none.
    virtual void listSelectKeepingField(int position) = 0;
    virtual bool fieldText(std::string& text) const = 0;

    // Remembers the working directory as the start folder of every later chooser.
    virtual void recordInitialDirectory() = 0;
    // True when the user confirmed a file; its full path is then in `path`. An empty
    // title leaves the system's own.
    virtual bool chooseFile(ChooserMode mode, FileKind kind, std::string& path,
                            const std::string& title = {}) = 0;
    virtual void showMessage(const std::string& text) = 0;
    virtual Answer askQuestion(const std::string& text) = 0;
    // A question answered Yes or No, with No the default; true for Yes.
    virtual bool confirm(const std::string& text) = 0;
    // The window's caption, and a note by the "+" and "-" buttons for two seconds.
    virtual void setCaption(const std::string& text) = 0;
    virtual void showTip(const std::string& text) = 0;
    virtual void showAbout() = 0;
    virtual void endDialog(int result) = 0;
};

// Holds a dialog's painting for one scope.
class RedrawHold {
  public:
    explicit RedrawHold(Dialog& dialog) : dialog_(dialog) { dialog_.holdRedraw(); }
    ~RedrawHold() { dialog_.releaseRedraw(); }
    RedrawHold(const RedrawHold&) = delete;
    RedrawHold& operator=(const RedrawHold&) = delete;

  private:
    Dialog& dialog_;
};
