#pragma once
// Runs code that opens a modal box on this thread (the About box, a message box, a
// file chooser) while a timer, served by the box's own modal loop, finds the box
// and acts on it as a user would. A box that does not close within the time limit
// is ended by force, so a test fails instead of hanging.
#include <windows.h>

#include <functional>
#include <string>

struct ModalOutcome {
    bool appeared = false;       // a new dialog box owned by the owner was found
    bool closedByAction = false; // it went away after the action, not by force
};

ModalOutcome watchModal(HWND owner, const std::function<void()>& openModal,
                        const std::function<void(HWND box)>& act, DWORD timeoutMs = 10000);

// Texts of every child window of `box`, for finding a message among them.
std::wstring childTexts(HWND box);
