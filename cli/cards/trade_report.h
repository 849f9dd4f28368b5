#pragma once
// A trade as the companion prints it: "You give" and "You get", aligned as wants
// prints its table and grouped by rarity with a total for each, then a line per
// rarity with the copies offered each way and what a balanced trade makes of them.
// And the plain card list of one side, as import-list and apply-trade read it.
#include <string>
#include <vector>

#include "cli/cards/trade.h"

std::string tradeReport(const Trade& trade, const char* eol);

std::string tradeList(const std::vector<TradeCard>& cards, const char* eol);

// "you give only Common, they give only Rare": why no rarity is matched.
std::string unmatchedRarities(const Trade& trade);
