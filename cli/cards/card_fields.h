#pragma once
// The catalogue's fixed-width Windows-1252 fields as the console shows them: UTF-8,
// trailing spaces removed. And finding a card by its identifier, the one name of a
// card that survives re-sorting and editing elsewhere.
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>

std::string trimmedUtf8(std::string_view windows1252);

template <std::size_t N> std::string fieldText(const char (&field)[N]) {
    return trimmedUtf8(std::string_view(field, strnlen(field, N)));
}

class CardIdIndex {
  public:
    CardIdIndex();
    // The card index, or -1 when no card has that identifier.
    int find(std::string_view cardId) const;

  private:
    std::unordered_map<std::string_view, int> cards_;
};
