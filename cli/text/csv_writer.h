#pragma once
// Writing CSV as RFC 4180 has it: a field is quoted only when it holds the separator,
// a quote, CR or LF, quotes inside are doubled, and every row ends in CR LF.
#include <string>
#include <string_view>
#include <vector>

void appendCsvField(std::string& out, std::string_view field, char separator);
void appendCsvRow(std::string& out, const std::vector<std::string>& fields, char separator);
