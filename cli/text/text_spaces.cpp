#include "cli/text/text_spaces.h"

#include "catalogue/utf8.h"

namespace {

struct Range {
    long first, last;
};

bool inRanges(long codePoint, std::initializer_list<Range> ranges) {
    for (const Range& range : ranges)
        if (codePoint >= range.first && codePoint <= range.last) return true;
    return false;
}

} // namespace

bool isSpaceCodePoint(long codePoint) {
    return inRanges(codePoint, {{0x09, 0x09},
                                {0x20, 0x20},
                                {0xA0, 0xA0},
                                {0x1680, 0x1680},
                                {0x2000, 0x200A},
                                {0x202F, 0x202F},
                                {0x205F, 0x205F},
                                {0x3000, 0x3000}});
}

bool isEscapedCodePoint(long codePoint) {
    if (codePoint == 0x20) return false;
    if (codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F)) return true; // controls
    if (isSpaceCodePoint(codePoint)) return true;
    return inRanges(codePoint, {// format characters
                                {0xAD, 0xAD},
                                {0x600, 0x605},
                                {0x61C, 0x61C},
                                {0x6DD, 0x6DD},
                                {0x70F, 0x70F},
                                {0x890, 0x891},
                                {0x8E2, 0x8E2},
                                {0x180E, 0x180E},
                                {0x200B, 0x200F},
                                {0x202A, 0x202E},
                                {0x2060, 0x2064},
                                {0x2066, 0x206F},
                                {0xFEFF, 0xFEFF},
                                {0xFFF9, 0xFFFB},
                                {0x110BD, 0x110BD},
                                {0x110CD, 0x110CD},
                                {0x13430, 0x1343F},
                                {0x1BCA0, 0x1BCA3},
                                {0x1D173, 0x1D17A},
                                {0xE0001, 0xE0001},
                                {0xE0020, 0xE007F},
                                // the line and paragraph separators
                                {0x2028, 0x2029}});
}

std::size_t spaceLengthAt(std::string_view text, std::size_t at) {
    const char c = text[at];
    if (c == ' ' || c == '\t') return 1;
    if (static_cast<unsigned char>(c) < 0x80) return 0;
    std::size_t next = at;
    return isSpaceCodePoint(nextCodePoint(text, next)) ? next - at : 0;
}

std::string_view trimmedText(std::string_view text) {
    std::size_t first = 0, end = text.size();
    for (std::size_t length; first < end && (length = spaceLengthAt(text, first)) > 0;)
        first += length;
    while (end > first) {
        std::size_t start = end - 1; // the start of the last character
        while (start > first && end - start < 4 &&
               (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
            --start;
        if (spaceLengthAt(text, start) != end - start) break;
        end = start;
    }
    return text.substr(first, end - first);
}
