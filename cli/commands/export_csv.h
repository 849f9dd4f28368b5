#pragma once
// The decks as CSV: a header row, then one row per card in catalogue order with its
// identifier, texts and the five counts.
#include <string>

struct DeckSet;

constexpr const char* Utf8ByteOrderMark = "\xEF\xBB\xBF";

std::string buildCardCsv(const DeckSet& decks, char separator, bool byteOrderMark);
