#include "cli/import/list_counts.h"

#include "cli/cards/card_list_line.h"
#include "cli/import/deck_import.h"

namespace {

// Each line of the text with its number; CR LF, LF and a lone CR each end one.
template <typename Each> void forEachLine(std::string_view text, Each each) {
    int number = 1;
    for (std::size_t at = 0; at < text.size(); ++number) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        each(number, text.substr(at, end - at));
        at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

} // namespace

void readListRows(std::span<char> text, DeckImport& import, InputFaults& faults) {
    const int deck = import.deck;
    importDeck(import, deck);
    forEachLine(std::string_view(text.data(), text.size()),
                [&](int line, std::string_view content) {
                    const CardListEntry entry = parseCardListLine(content);
                    if (entry.ignored) return;
                    const CardMatch match = matchCardListEntry(entry, !faults.full());
                    if (match.card < 0) return faults.add(line, match.fault);
                    RowCount counts[DeckCount];
                    counts[deck] = {entry.count, entry.countText};
                    importRow(import, line, match.card, counts, faults);
                });
}
