#pragma once
// A piece of the user's input fit to quote in a message: at most 40 code points, then
// "…"; controls (U+0000..U+001F and U+007F as \x1b, U+0080..U+009F as \u009b) and
// bytes that are not UTF-8 (\xff) escaped, so that no input can steer the terminal
// that shows the message or flood it.
#include <string>
#include <string_view>

std::string inputExcerpt(std::string_view text);
