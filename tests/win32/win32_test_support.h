#pragma once
// Helpers for the tests that run the real dialogs under Windows (or Wine): bounded
// waiting, the real main dialog as a fixture, user actions on the real and the
// in-memory dialog alike, a click with the real mouse, and snapshots of what each of them shows.
#include <windows.h>

#include "tests/win32/wait_until.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class MemoryDialog;

// A control's text read with the wide functions, as the catalogue's Windows-1252 bytes.
std::string controlText(HWND dialog, int id);

// The real main dialog from the real resources and dialog procedure, driven without
// a modal loop. Program state is reset before it starts. It stays hidden unless
// asked (messages work the same; under Wine without a window manager, taking down a
// shown window costs two seconds); a shown dialog that ends is hidden again.
enum class Visibility { Hidden, Shown };
class RealMainDialog {
  public:
    explicit RealMainDialog(Visibility visibility = Visibility::Hidden);
    ~RealMainDialog();
    RealMainDialog(const RealMainDialog&) = delete;
    RealMainDialog& operator=(const RealMainDialog&) = delete;
    HWND handle() const { return dialog_; }
    HWND control(int id) const { return GetDlgItem(dialog_, id); }

  private:
    HWND dialog_;
};

// What a user does, sent the way the system sends it.
class UserActions {
  public:
    virtual ~UserActions() = default;
    virtual void click(int id) = 0;        // a button or check box
    virtual void select(int position) = 0; // a card in the list
    virtual void command(int id) = 0;      // a menu command
};

class RealUser final : public UserActions {
  public:
    explicit RealUser(HWND dialog) : dialog_(dialog) {}
    void click(int id) override;
    void select(int position) override;
    void command(int id) override;

  private:
    HWND dialog_;
};

// A left click at the middle of `control` with the real mouse, as a user makes it:
// the pointer moves there first, and the press follows once the system has it there.
void clickWithMouse(HWND control);

class MemoryUser final : public UserActions {
  public:
    explicit MemoryUser(MemoryDialog& dialog) : dialog_(dialog) {}
    void click(int id) override;
    void select(int position) override;
    void command(int id) override;

  private:
    MemoryDialog& dialog_;
};

// Everything the main dialog shows that the program writes: the text of every
// control with an id, the check boxes' states, the list, its selection and its field.
struct DialogSnapshot {
    std::map<int, std::string> texts;
    std::map<int, bool> checked;
    std::vector<std::string> entries;
    int selection = -1;
    std::string field;

    bool operator==(const DialogSnapshot&) const = default;
};

DialogSnapshot snapshotOf(HWND dialog);
DialogSnapshot snapshotOf(const MemoryDialog& dialog);
// The first few differences, one per line, for a failure message.
std::string differences(const DialogSnapshot& real, const DialogSnapshot& memory);
