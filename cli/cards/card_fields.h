#pragma once
// The catalogue's fixed-width Windows-1252 fields as the console shows them: UTF-8,
// trailing spaces removed, or kept where columns align. And finding a card by its identifier, the
// one name of a card that survives re-sorting and editing elsewhere.
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>

#include "catalogue/field_view.h"
#include "catalogue/windows1252.h"

std::string trimmedUtf8(std::string_view windows1252);

template <std::size_t N> std::string fieldText(const char (&field)[N]) {
    return trimmedUtf8(fieldView(field));
}

template <std::size_t N> std::string paddedText(const char (&field)[N]) {
    return windows1252ToUtf8(fieldView(field));
}

class CardIdIndex {
  public:
    CardIdIndex();
    // The card index, or -1 when no card has that identifier.
    int find(std::string_view cardId) const;

  private:
    std::unordered_map<std::string_view, int> cards_;
};
