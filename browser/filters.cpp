#include "browser/filters.h"

#include "browser/card_list.h"
#include "catalogue/card_record.h"
#include "ui/control_ids.h"
#include "ui/dialog.h"
#include "store/deck_set.h"

FilterState filterState = {AllSets, AllTypes, AllRarities, 0};

namespace {

// One filter group: the ids its dispatcher range covers (wider than the boxes that
// exist), its "All" box, its mask and that mask's all-bits value.
struct FilterGroup {
    int firstId;
    int lastId;
    int allId;
    uint32_t FilterState::*mask;
    uint32_t allBits;
};

const FilterGroup Groups[] = {
    {IDC_SET_FIRST, IDC_SET_LAST, IDC_SET_ALL, &FilterState::setMask, AllSets},
    {IDC_TYPE_FIRST, IDC_TYPE_LAST, IDC_TYPE_ALL, &FilterState::typeMask, AllTypes},
    {IDC_RARITY_FIRST, IDC_RARITY_LAST, IDC_RARITY_ALL, &FilterState::rarityMask, AllRarities},
    {IDC_SEARCH_FIRST, IDC_SEARCH_LAST, IDC_SEARCH_ALL, &FilterState::deckSearchMask, AllDecks},
};

const FilterGroup* groupOfMember(int id) {
    for (const FilterGroup& group : Groups)
        if (id >= group.firstId && id <= group.lastId) return &group;
    return nullptr;
}

const FilterGroup* groupOfAll(int id) {
    for (const FilterGroup& group : Groups)
        if (id == group.allId) return &group;
    return nullptr;
}

} // namespace

void resetFilters() {
    filterState = {AllSets, AllTypes, AllRarities, 0};
}

bool passesCategories(int card) {
    const CardRecord& record = CardCatalogue[card];
    return (filterState.setMask & (1u << record.set)) &&
           (filterState.typeMask & (1u << record.type)) &&
           (filterState.rarityMask & (1u << record.rarity));
}

bool passesDeckSearch(int card) {
    return filterState.deckSearchMask == 0 || heldInAny(card, filterState.deckSearchMask);
}

bool isFilterMember(int id) {
    return groupOfMember(id) != nullptr;
}
bool isFilterAll(int id) {
    return groupOfAll(id) != nullptr;
}

void toggleMember(Dialog& dialog, int boxId) {
    const FilterGroup* group = groupOfMember(boxId);
    // The dispatcher's ranges are wider than the boxes; an id without a box is ignored.
    if (!group || !dialog.hasControl(boxId)) return;
    const RedrawHold hold(dialog);
    uint32_t& mask = filterState.*(group->mask);
    const uint32_t bit = 1u << (boxId - group->firstId);
    if (dialog.isChecked(boxId))
        mask |= bit;
    else
        mask &= ~bit;
    rebuildList(dialog);
    dialog.setChecked(group->allId, mask == group->allBits);
}

void toggleAll(Dialog& dialog, int allBoxId) {
    const FilterGroup* group = groupOfAll(allBoxId);
    if (!group) return;
    const RedrawHold hold(dialog);
    filterState.*(group->mask) = dialog.isChecked(allBoxId) ? group->allBits : 0;
    syncBoxes(dialog);
    rebuildList(dialog);
}

void syncBoxes(Dialog& dialog) {
    for (const FilterGroup& group : Groups) {
        const uint32_t mask = filterState.*(group.mask);
        for (int id = group.firstId; id <= group.lastId; ++id)
            if (dialog.hasControl(id)) dialog.setChecked(id, (mask >> (id - group.firstId)) & 1u);
    }
}
