#include "store/deck_groups.h"

#include <initializer_list>

#include "store/deck_set.h"

DeckGroups countDeckGroups(const StoreDeck& deck) {
    DeckGroups groups;
    for (int card = 0; card < CardCount; ++card) {
        const CardRecord& record = CardCatalogue[card];
        const bool held = deck.counts[card] != 0;
        for (GroupShare* share : {&groups.sets[record.set], &groups.rarities[record.rarity],
                                  &groups.setRarities[record.set][record.rarity]}) {
            ++share->of;
            share->held += held;
        }
    }
    return groups;
}
