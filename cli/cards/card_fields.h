#pragma once
// Finding a card by its identifier, the one name of a card that survives re-sorting
// and editing elsewhere; and the catalogue's fields as the console shows them.
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>

#include "catalogue/field_view.h"

class CardIdIndex {
  public:
    CardIdIndex();
    // The card index, or -1 when no card has that identifier.
    int find(std::string_view cardId) const;

  private:
    std::unordered_map<std::string_view, int> cards_;
};
