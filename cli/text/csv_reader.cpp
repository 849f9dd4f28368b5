#include "cli/text/csv_reader.h"

CsvReader::CsvReader(std::span<char> text, InputFaults& faults)
    : text_(text), separator_(','), faults_(faults) {
    const std::string_view view(text.data(), text.size());
    separator_ = csvSeparatorLine(view);
    if (separator_ == 0)
        separator_ = detectCsvSeparator(view);
    else
        nextRow(); // on the "sep=" line, which the first nextRow() leaves
}

bool CsvReader::nextRow() {
    std::string_view rest;
    while (nextCell(rest)) {
    }
    if (atEnd()) return false;
    rowLine_ = line_;
    broken_ = false;
    left_ = Left::Cells;
    return true;
}

bool CsvReader::nextCell(std::string_view& cell) {
    if (left_ == Left::Nothing) return false;
    if (left_ == Left::OneEmptyCell) {
        left_ = Left::Nothing;
        cell = {};
        return true;
    }
    if (!(text_[at_] == '"' ? quotedCell(cell) : plainCell(cell))) return false;
    if (atEnd()) {
        left_ = Left::Nothing;
    } else if (text_[at_] == separator_) {
        ++at_;
        left_ = atEnd() ? Left::OneEmptyCell : Left::Cells; // a separator last: one more cell
    } else {
        skipLineEnd();
        left_ = Left::Nothing;
    }
    return true;
}

void CsvReader::skipLineEnd() {
    at_ += text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n' ? 2 : 1;
    ++line_;
}

bool CsvReader::plainCell(std::string_view& cell) {
    const std::size_t start = at_;
    for (; !atEnd() && text_[at_] != separator_ && !atLineEnd(); ++at_)
        if (text_[at_] == '"')
            return brokenQuote(line_, "broken quote: a quote inside an unquoted field");
    cell = std::string_view(text_.data() + start, at_ - start);
    return true;
}

// The cell's text moves to where its opening quote was, its doubled quotes single.
bool CsvReader::quotedCell(std::string_view& cell) {
    const int startLine = line_;
    const std::size_t start = at_;
    std::size_t kept = start;
    char previous = '"';
    for (++at_;; ++at_) {
        if (atEnd()) return brokenQuote(startLine, "broken quote: the quoted field never ends");
        const char c = text_[at_];
        if (c == '"') {
            if (at_ + 1 >= text_.size() || text_[at_ + 1] != '"') break;
            ++at_;
        } else if (c == '\r' || (c == '\n' && previous != '\r')) {
            ++line_; // CR LF is one line end
        }
        text_[kept++] = previous = c;
    }
    ++at_; // the closing quote
    cell = std::string_view(text_.data() + start, kept - start);
    if (atEnd() || text_[at_] == separator_ || atLineEnd()) return true;
    return brokenQuote(line_, "broken quote: text after the closing quote");
}

// Records the fault and skips the rest of the physical line, or of the text.
bool CsvReader::brokenQuote(int line, const char* reason) {
    faults_.add(line, reason);
    while (!atEnd() && !atLineEnd())
        ++at_;
    if (!atEnd()) skipLineEnd();
    broken_ = true;
    left_ = Left::Nothing;
    return false;
}

char detectCsvSeparator(std::string_view text) {
    bool quoted = false, semicolon = false, tab = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') break;
        if (c == ',') return ',';
        semicolon = semicolon || c == ';';
        tab = tab || c == '\t';
    }
    return tab ? '\t' : semicolon ? ';' : ',';
}

char csvSeparatorLine(std::string_view text) {
    if (text.size() < 5 || !text.starts_with("sep=") ||
        (text.size() > 5 && text[5] != '\r' && text[5] != '\n'))
        return 0;
    return text[4] == '\r' || text[4] == '\n' || text[4] == '"' ? 0 : text[4];
}
