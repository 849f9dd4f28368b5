#pragma once
// A trade between two collectors, per card: I give the copies I can spare that they
// are missing, and get the copies they can spare that I am missing. Balanced, each
// rarity is traded copy for copy: the side offering more gives only as many copies as
// the other side offers, so a rarity only one side offers is not traded at all.
#include <array>
#include <vector>

#include "catalogue/card_record.h"
#include "catalogue/name_tables.h"

// One collector's side: per card, the copies over what they keep, and the copies
// short of their target.
struct TradeSide {
    std::array<int, CardCount> spare{};
    std::array<int, CardCount> missing{};
};

struct TradeCard {
    int card;
    int spare;   // the giver's copies over their keep
    int missing; // the taker's copies short of their target
    int copies;  // traded
};

enum class RarityMatch {
    Nothing,      // neither side offers a card of the rarity
    Matched,      // both do: n copies each way, the smaller offer
    OnlyYouGive,  // unmatched
    OnlyTheyGive, // unmatched
};

struct RarityTotals {
    long long give = 0, get = 0; // copies offered each way, before balancing
    long long balanced = 0;      // copies each way when balanced
    RarityMatch match = RarityMatch::Nothing;
};

struct Trade {
    std::vector<TradeCard> give, get; // in catalogue order
    std::array<RarityTotals, RarityCount> rarities{};
};

// The trade as offered: every card one side can spare and the other misses.
Trade offeredTrade(const TradeSide& mine, const TradeSide& theirs);

// The trade made even per rarity. In a matched rarity the side offering more gives
// its cards with the most copies first (then in catalogue order), whole, and the last
// one in part; an unmatched rarity is left out.
Trade balancedTrade(const Trade& offered);
