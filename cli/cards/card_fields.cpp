#include "cli/cards/card_fields.h"

#include "catalogue/card_record.h"

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
