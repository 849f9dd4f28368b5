#include "cli/text/csv_writer.h"

void appendCsvField(std::string& out, std::string_view field, char separator) {
    const char needsQuotes[] = {separator, '"', '\r', '\n'};
    if (field.find_first_of(std::string_view(needsQuotes, sizeof needsQuotes)) ==
        std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void appendCsvRow(std::string& out, const std::vector<std::string>& fields, char separator) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += separator;
        appendCsvField(out, fields[i], separator);
    }
    out += "\r\n";
}
