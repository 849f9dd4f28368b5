#pragma once
// Tooltips that show a card's text and errata whole where their labels cut them: on
// hover over the label, and for a keyboard user one second after the list takes the
// focus or the label a new text while it has it, beside the label until the next key.
#include <windows.h>

#include <string>

// True when `label`, drawing `text` in its font and word-wrapped to its width as a
// static label does, cannot show all of it.
bool labelCutsText(HWND label, const std::wstring& text);

class CardTextTips {
  public:
    // Makes the tips for the dialog's text and errata labels and listens to the keys
    // of `list`, the card list; nothing when the dialog has no such labels.
    void attach(HWND dialog, HWND list);
    // Keeps a label's tip in step with the text just written into it.
    void labelChanged(HWND label, const std::wstring& text);
    // The card list's focus notifications (CBN_SETFOCUS, CBN_KILLFOCUS) and its keys.
    void listFocusGained();
    void listFocusLost();
    void listKeyPressed();
    // The one-second wait is over: shows the keyboard tip if the list still has the
    // focus and a label cuts its text.
    void keyboardWaitEnded();
    // The keyboard tip's tooltip control, which other notes by the buttons share.
    HWND keyboardTipWindow() const { return keyboardTip_; }

  private:
    struct Label {
        HWND window = nullptr;
        std::wstring text; // as shown, without trailing spaces
        bool cut = false;
    };
    bool listHasFocus() const;
    void restartKeyboardWait();
    void hideKeyboardTip();

    HWND dialog_ = nullptr;
    HWND list_ = nullptr;
    HWND hoverTip_ = nullptr;
    HWND keyboardTip_ = nullptr;
    Label labels_[2];                 // the text, then the errata
    HWND keyboardTipShown_ = nullptr; // the label whose text the keyboard tip shows
};
