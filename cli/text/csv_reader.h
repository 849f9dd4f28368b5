#pragma once
// Reading CSV as spreadsheet programs write it: fields separated by one character,
// quoted fields with doubled quotes inside (and line ends, too); a line ends in CR LF,
// LF or a lone CR (older spreadsheet programs write CR alone). Every row and every
// fault carries its physical line number, the first line being 1, so a message can
// point at the line in an editor.
//
// The reader keeps nothing per row or per cell: it hands out one cell at a time, a
// view into the text itself, so any file is read within its own size. Where a quoted
// cell holds doubled quotes it rewrites the text in place (a cell only gets shorter).
#include <cstddef>
#include <span>
#include <string_view>

#include "cli/text/input_faults.h"

class CsvReader {
  public:
    // `text` without a byte-order mark; it must outlive the cells handed out.
    CsvReader(std::span<char> text, char separator, InputFaults& faults)
        : text_(text), separator_(separator), faults_(faults) {}
    // The separator the text names in a first line "sep=;" (some spreadsheet programs
    // write one before the header; the reader starts past it), else the header's.
    CsvReader(std::span<char> text, InputFaults& faults);

    // Moves to the next row, past what is left of the current one; false at the end.
    bool nextRow();
    // The physical line the current row starts on.
    int line() const { return rowLine_; }
    // The current row's next cell; false after its last one, or at a broken quote,
    // which drops the rest of the row: its fault is recorded and broken() is true.
    bool nextCell(std::string_view& cell);
    bool broken() const { return broken_; }

  private:
    enum class Left { Nothing, Cells, OneEmptyCell };
    bool atEnd() const { return at_ >= text_.size(); }
    bool atLineEnd() const { return text_[at_] == '\n' || text_[at_] == '\r'; }
    void skipLineEnd();
    bool plainCell(std::string_view& cell);
    bool quotedCell(std::string_view& cell);
    bool brokenQuote(int line, const char* reason);

    std::span<char> text_;
    char separator_;
    InputFaults& faults_;
    std::size_t at_ = 0;
    int line_ = 1;
    int rowLine_ = 0;
    Left left_ = Left::Nothing;
    bool broken_ = false;
};

// The separator a header line uses: a comma when it holds one outside quotes, else a
// tab when it holds one, else a semicolon when it holds one, else a comma.
char detectCsvSeparator(std::string_view text);

// The separator a first line "sep=;" names (some spreadsheet programs write one
// before the header), or 0 when the text does not start with such a line.
char csvSeparatorLine(std::string_view text);
