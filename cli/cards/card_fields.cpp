#include "cli/cards/card_fields.h"

#include "catalogue/card_record.h"
#include "catalogue/windows1252.h"

std::string trimmedUtf8(std::string_view windows1252) {
    const std::size_t end = windows1252.find_last_not_of(' ');
    return windows1252ToUtf8(windows1252.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

CardIdIndex::CardIdIndex() {
    cards_.reserve(CardCount);
    for (int card = 0; card < CardCount; ++card) {
        cards_.emplace(fieldView(CardCatalogue[card].cardId), card);
    }
}

int CardIdIndex::find(std::string_view cardId) const {
    const auto found = cards_.find(cardId);
    return found == cards_.end() ? -1 : found->second;
}
