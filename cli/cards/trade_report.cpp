#include "cli/cards/trade_report.h"

#include <cstdio>

#include "cli/cards/card_fields.h"
#include "cli/cards/card_list_line.h"
#include "cli/command.h"

namespace {

std::string cardsAndCopies(long long cards, long long copies) {
    return counted(cards, "card", "cards") + ", " + counted(copies, "copy", "copies");
}

void appendSide(std::string& out, const char* title, const char* column,
                const std::vector<TradeCard>& cards, const char* eol) {
    long long copies = 0;
    for (const TradeCard& traded : cards)
        copies += traded.copies;
    (out += std::string(title) + ": " +
            cardsAndCopies(static_cast<long long>(cards.size()), copies)) += eol;
    char line[200];
    std::snprintf(line, sizeof line, "%-5s  %-37s  %-14s  %-9s  %5s  %7s  %5s", "id", "name", "set",
                  "rarity", "spare", "missing", column);
    (out += line) += eol;
    for (int rarity = 0; rarity < RarityCount; ++rarity) {
        long long inRarity = 0, copiesInRarity = 0;
        for (const TradeCard& traded : cards) {
            const CardRecord& record = CardCatalogue[traded.card];
            if (record.rarity != rarity) continue;
            std::snprintf(line, sizeof line, "%-5s  %s  %s  %s  %5d  %7d  %5d",
                          fieldText(record.cardId).c_str(), paddedText(record.name).c_str(),
                          paddedText(SetNames[record.set]).c_str(),
                          paddedText(RarityNames[rarity]).c_str(), traded.spare, traded.missing,
                          traded.copies);
            (out += line) += eol;
            ++inRarity;
            copiesInRarity += traded.copies;
        }
        if (inRarity == 0) continue;
        std::snprintf(line, sizeof line, "  %s  %s", paddedText(RarityNames[rarity]).c_str(),
                      cardsAndCopies(inRarity, copiesInRarity).c_str());
        (out += line) += eol;
    }
}

std::string matchText(const RarityTotals& totals) {
    switch (totals.match) {
    case RarityMatch::Nothing: return "nothing to trade";
    case RarityMatch::Matched:
        return std::to_string(totals.balanced) + " for " + std::to_string(totals.balanced);
    case RarityMatch::OnlyYouGive: return "unmatched: only you can give";
    case RarityMatch::OnlyTheyGive: return "unmatched: only they can give";
    }
    return "";
}

} // namespace

std::string tradeReport(const Trade& trade, const char* eol) {
    std::string out;
    appendSide(out, "You give", "give", trade.give, eol);
    out += eol;
    appendSide(out, "You get", "get", trade.get, eol);
    out += eol;
    char line[200];
    std::snprintf(line, sizeof line, "%-9s  %6s  %6s  %s", "rarity", "give", "get", "balanced");
    (out += line) += eol;
    for (int rarity = 0; rarity < RarityCount; ++rarity) {
        const RarityTotals& totals = trade.rarities[rarity];
        std::snprintf(line, sizeof line, "%s  %6lld  %6lld  %s",
                      paddedText(RarityNames[rarity]).c_str(), totals.give, totals.get,
                      matchText(totals).c_str());
        (out += line) += eol;
    }
    return out;
}

std::string tradeList(const std::vector<TradeCard>& cards, const char* eol) {
    std::string out;
    for (const TradeCard& traded : cards)
        (out += cardListLine(static_cast<std::size_t>(traded.card),
                             static_cast<unsigned>(traded.copies))) += eol;
    return out;
}

std::string unmatchedRarities(const Trade& trade) {
    std::string you, they;
    for (int rarity = 0; rarity < RarityCount; ++rarity) {
        const RarityMatch match = trade.rarities[rarity].match;
        std::string& side = match == RarityMatch::OnlyYouGive ? you : they;
        if (match == RarityMatch::OnlyYouGive || match == RarityMatch::OnlyTheyGive)
            side += (side.empty() ? "" : ", ") + fieldText(RarityNames[rarity]);
    }
    std::string text;
    if (!you.empty()) text = "you give only " + you;
    if (!they.empty()) text += (text.empty() ? "they give only " : ", they give only ") + they;
    return text;
}
