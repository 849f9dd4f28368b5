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

// Which deck report: the cards held or lacked, one line or four per card, over the
// whole catalogue or the filtered cards only.
struct DeckReportKind {
    enum Listing { Cards, Needs } listing;
    enum Detail { Basic, Detailed } detail;
    enum Scope { WholeCatalogue, Filtered } scope;
};

// Appends the whole report about `deck`: the entries in catalogue order, then the
// "Total Cards" trailer counting them.
void writeDeckReport(std::string& out, int deck, DeckReportKind kind);

// One entry about one card holding `count` copies. In a Needs entry the count is not
// written.
void appendBasicEntry(std::string& out, const CardRecord& record, int32_t count, bool needs);
void appendDetailedEntry(std::string& out, const CardRecord& record, int32_t count, bool needs);

// "Total Cards N" and its line end; also closes the current-list report.
void appendReportTrailer(std::string& out, int entries);
