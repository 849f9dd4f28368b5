#include "cli/cards/trade.h"

#include <algorithm>

namespace {

std::vector<TradeCard> offered(const TradeSide& giver, const TradeSide& taker) {
    std::vector<TradeCard> cards;
    for (int card = 0; card < CardCount; ++card)
        if (const int copies = std::min(giver.spare[card], taker.missing[card]); copies > 0)
            cards.push_back({card, giver.spare[card], taker.missing[card], copies});
    return cards;
}

int rarityOf(const TradeCard& traded) {
    return CardCatalogue[traded.card].rarity;
}

// The cards of one rarity cut down to `copies`: the most copies first, the last split.
void takeBalanced(const std::vector<TradeCard>& cards, int rarity, long long copies,
                  std::vector<TradeCard>& out) {
    std::vector<TradeCard> order;
    for (const TradeCard& traded : cards)
        if (rarityOf(traded) == rarity) order.push_back(traded);
    std::stable_sort(order.begin(), order.end(),
                     [](const TradeCard& a, const TradeCard& b) { return a.copies > b.copies; });
    for (TradeCard traded : order) {
        if (copies == 0) break;
        traded.copies = static_cast<int>(std::min<long long>(traded.copies, copies));
        copies -= traded.copies;
        out.push_back(traded);
    }
}

} // namespace

Trade offeredTrade(const TradeSide& mine, const TradeSide& theirs) {
    Trade trade;
    trade.give = offered(mine, theirs);
    trade.get = offered(theirs, mine);
    for (const TradeCard& traded : trade.give)
        trade.rarities[rarityOf(traded)].give += traded.copies;
    for (const TradeCard& traded : trade.get)
        trade.rarities[rarityOf(traded)].get += traded.copies;
    for (RarityTotals& totals : trade.rarities) {
        totals.balanced = std::min(totals.give, totals.get);
        totals.match = totals.balanced > 0 ? RarityMatch::Matched
                       : totals.give > 0   ? RarityMatch::OnlyYouGive
                       : totals.get > 0    ? RarityMatch::OnlyTheyGive
                                           : RarityMatch::Nothing;
    }
    return trade;
}

Trade balancedTrade(const Trade& offered) {
    Trade balanced;
    balanced.rarities = offered.rarities;
    for (int rarity = 0; rarity < RarityCount; ++rarity) {
        const long long copies = offered.rarities[rarity].balanced;
        takeBalanced(offered.give, rarity, copies, balanced.give);
        takeBalanced(offered.get, rarity, copies, balanced.get);
    }
    // Grouped by rarity above; the lists keep catalogue order.
    for (std::vector<TradeCard>* cards : {&balanced.give, &balanced.get})
        std::sort(cards->begin(), cards->end(),
                  [](const TradeCard& a, const TradeCard& b) { return a.card < b.card; });
    return balanced;
}
