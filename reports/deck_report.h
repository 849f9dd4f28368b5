#pragma once
// The deck reports: the cards a Store Deck holds (Cards) or lacks (Needs), one line
// per card (Basic) or four (Detailed), over the whole catalogue or only the cards
// that pass the set, type and rarity filters. The deck search plays no part.
//
// Reports are built in memory as the exact bytes of the file: fields are copied as
// stored, trailing spaces included, and every line ends in CR LF on every platform.
#include <cstdint>
#include <string>

struct CardRecord;

// Appends the whole report about `deck`: the entries in catalogue order, then the
// "Total Cards" trailer counting them.
void writeDeckReport(std::string& out, int deck, bool detailed, bool needs, bool filtered);

// One entry about one card holding `count` copies. In a Needs entry the count is not
// written.
void appendBasicEntry(std::string& out, const CardRecord& record, int32_t count, bool needs);
void appendDetailedEntry(std::string& out, const CardRecord& record, int32_t count, bool needs);

// "Total Cards N" and its line end; also closes the current-list report.
void appendReportTrailer(std::string& out, int entries);
