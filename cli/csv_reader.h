#pragma once
// Reading CSV as spreadsheet programs write it: fields separated by one character,
// quoted fields with doubled quotes inside (and line breaks, too), rows ending in
// CR LF or LF. Every row and every fault carries its physical line number, the first
// line being 1, so a message can point at the line in an editor.
#include <string>
#include <string_view>
#include <vector>

struct CsvRow {
    int line = 0; // where the row starts
    std::vector<std::string> cells;
};

struct CsvFault {
    int line = 0;
    std::string reason;
};

struct CsvTable {
    std::vector<CsvRow> rows;     // rows with a broken quote left out
    std::vector<CsvFault> faults; // one per broken quote
};

// The separator a header line uses: a semicolon when it holds one outside quotes and
// no comma, else a comma.
char detectCsvSeparator(std::string_view text);

// `text` without a byte-order mark.
CsvTable parseCsv(std::string_view text, char separator);
