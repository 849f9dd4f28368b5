#pragma once
// What is wrong with an input the user gave, line by line, ready to be listed as
// FILE:LINE: reason.
#include <cstddef>
#include <string>
#include <vector>

struct InputFault {
    int line = 0; // 0: the file as a whole
    std::string reason;
};

// The faults of one input, a CSV file or a card list, in line order: the first few
// kept to be shown, the rest only counted, so that no input can fill the memory or
// the screen with them.
class InputFaults {
  public:
    static constexpr std::size_t Shown = 20;

    void add(int line, std::string reason) {
        if (shown_.size() < Shown)
            shown_.push_back({line, std::move(reason)});
        else
            ++more_;
    }
    bool any() const { return !shown_.empty(); }
    // A reason that is costly to work out need not be, once no more are shown.
    bool full() const { return shown_.size() >= Shown; }
    const std::vector<InputFault>& shown() const { return shown_; }
    std::size_t more() const { return more_; } // beyond those shown

  private:
    std::vector<InputFault> shown_;
    std::size_t more_ = 0;
};
