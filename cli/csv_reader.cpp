#include "cli/csv_reader.h"

namespace {

// Walks the text one row at a time; a broken quote drops the row and resumes at the
// next physical line, except an unclosed quote, which runs to the end of the text.
class CsvParser {
  public:
    CsvParser(std::string_view text, char separator) : text_(text), separator_(separator) {}

    CsvTable parse() {
        while (at_ < text_.size())
            parseRow();
        return std::move(table_);
    }

  private:
    bool atEnd() const { return at_ >= text_.size(); }
    bool atLineEnd() const {
        return text_[at_] == '\n' ||
               (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n');
    }
    void skipLineEnd() {
        at_ += text_[at_] == '\r' ? 2 : 1;
        ++line_;
    }

    void parseRow() {
        CsvRow row{line_, {}};
        for (;;) {
            std::string cell;
            if (!(text_[at_] == '"' ? quotedCell(cell) : plainCell(cell))) return;
            row.cells.push_back(std::move(cell));
            if (atEnd()) break;
            if (text_[at_] == separator_) {
                ++at_;
                if (!atEnd()) continue;
                row.cells.emplace_back(); // a separator last: one more, empty cell
                break;
            }
            skipLineEnd();
            break;
        }
        table_.rows.push_back(std::move(row));
    }

    bool plainCell(std::string& cell) {
        while (!atEnd() && text_[at_] != separator_ && !atLineEnd()) {
            if (text_[at_] == '"') return broken("broken quote: a quote inside an unquoted field");
            cell += text_[at_++];
        }
        return true;
    }

    bool quotedCell(std::string& cell) {
        const int startLine = line_;
        for (++at_;; ++at_) {
            if (atEnd()) {
                table_.faults.push_back({startLine, "broken quote: the quoted field never ends"});
                return false;
            }
            if (text_[at_] == '\n') ++line_;
            if (text_[at_] != '"') {
                cell += text_[at_];
            } else if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                cell += text_[++at_];
            } else {
                ++at_;
                break;
            }
        }
        if (atEnd() || text_[at_] == separator_ || atLineEnd()) return true;
        return broken("broken quote: text after the closing quote");
    }

    // Records the fault and skips the rest of its physical line.
    bool broken(const char* reason) {
        table_.faults.push_back({line_, reason});
        while (!atEnd() && text_[at_] != '\n')
            ++at_;
        if (!atEnd()) skipLineEnd();
        return false;
    }

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
    int line_ = 1;
    CsvTable table_;
};

} // namespace

char detectCsvSeparator(std::string_view text) {
    bool quoted = false, semicolon = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') break;
        if (c == ',') return ',';
        semicolon = semicolon || c == ';';
    }
    return semicolon ? ';' : ',';
}

CsvTable parseCsv(std::string_view text, char separator) {
    return CsvParser(text, separator).parse();
}
