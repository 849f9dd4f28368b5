"""Card names: a personal name and a place name builder, and one name maker per card type."""

from .shape import (
    ACCENT_FOLD, ALLY, AVATAR, CHARACTER, CREATURE, FACTION, H_EVENT, ITEM, MORVEK, REGION,
    R_EVENT, SITE,
)
from .words import (
    ACCENT_CODAS, ACCENT_HEADS, ACCENT_ONSETS, ALLY_ANIMALS, ALLY_ANIMAL_ADJECTIVES,
    ALLY_TRADES, ASPECTS, AVATAR_EPITHETS, CODAS, CREATURE_ADJECTIVES, CREATURE_KIND_OF,
    CREATURE_NOUNS, CREATURE_OF, EPITHETS, FACTION_ADJECTIVES, FACTION_GROUPS,
    H_EVENT_ADJECTIVES, H_EVENT_ADJ_NOUNS, H_EVENT_NOUNS, H_EVENT_OF, H_EVENT_PHRASES,
    ITEM_MATERIALS, ITEM_OBJECTS, ITEM_OF, LINKS, MORVEK_TITLES, ONSETS, PERSON_FEATURES,
    PLACE_HEADS, PLACE_TAILS, REGION_ADJECTIVES, R_EVENT_ADJECTIVES, R_EVENT_ADJ_NOUNS,
    R_EVENT_NOUNS, R_EVENT_OF, R_EVENT_PHRASES, SITE_ADJECTIVES, SITE_FEATURES, SITE_STATES,
    SITE_SUFFIXES, TERRAIN_WORDS, TITLES,
)


def capitalise(word):
    return word[0].upper() + word[1:]


VOWELS = "aeiouy"


def pronounceable(word):
    """No three vowels or three consonants in a row (a cluster with h aside), and no
    doubled a, i or u."""
    plain = "".join(ACCENT_FOLD.get(ch, ch) for ch in word).lower()
    for i in range(len(plain) - 1):
        if plain[i] == plain[i + 1] and plain[i] in "aiu":
            return False
    for i in range(len(plain) - 2):
        trio = plain[i:i + 3]
        if all(ch in VOWELS for ch in trio):
            return False
        if all(ch not in VOWELS for ch in trio) and "h" not in trio:
            return False
    return True


def person(rng):
    """A personal name: an onset, a link and an ending, now and then with an accent."""
    while True:
        accented = rng.chance(22)
        if accented and rng.chance(50):
            onset, coda = rng.choice(ACCENT_ONSETS), rng.choice(CODAS)
        elif accented:
            onset, coda = rng.choice(ONSETS), rng.choice(ACCENT_CODAS)
        else:
            onset, coda = rng.choice(ONSETS), rng.choice(CODAS)
        link = rng.choice(LINKS)
        name = onset + link + coda
        if 3 <= len(name) <= 10 and pronounceable(name):
            return name


def place_compound(rng):
    head = rng.choice(ACCENT_HEADS) if rng.chance(18) else rng.choice(PLACE_HEADS)
    tail = rng.choice(PLACE_TAILS)
    if head[-1].lower() == tail[0]:
        return head + "-" + tail
    return head + tail


def character_name(rng, alignment):
    p = person(rng)
    if alignment == AVATAR:
        return p + " " + rng.choice(AVATAR_EPITHETS)
    if alignment == MORVEK:
        return p + " " + rng.choice(MORVEK_TITLES)
    form = rng.below(12)
    if form < 3:
        return p
    if form < 6:
        return p + " " + rng.choice(EPITHETS)
    if form < 8:
        return rng.choice(TITLES) + " " + p
    if form < 9:
        return p + ", " + rng.choice(["Thane", "Lord", "Lady", "Warden", "Heir", "Reeve"]) + \
            " of " + place_compound(rng)
    if form < 10:
        return p + " (" + rng.choice(ASPECTS) + ")"
    if form < 11:
        return p + " of " + place_compound(rng)
    return p + " " + person(rng)


def ally_name(rng, alignment):
    form = rng.below(5)
    if form == 0:
        return rng.choice(ALLY_ANIMAL_ADJECTIVES) + " " + rng.choice(ALLY_ANIMALS)
    if form == 1:
        return person(rng) + " the " + rng.choice(ALLY_TRADES)
    if form == 2:
        return "Old " + person(rng)
    if form == 3:
        return "The " + rng.choice(ALLY_TRADES) + " of " + place_compound(rng)
    return person(rng)


def faction_name(rng, alignment):
    form = rng.below(6)
    if form < 2:
        return rng.choice(FACTION_GROUPS) + " of " + place_compound(rng)
    if form == 2:
        return rng.choice(FACTION_ADJECTIVES) + " " + rng.choice(FACTION_GROUPS)
    if form == 3:
        return "The " + place_compound(rng) + " " + rng.choice(["Guild", "Clans", "Host",
                                                                  "Watch", "Band"])
    if form == 4:
        return place_compound(rng) + "-folk"
    return person(rng) + "'s " + rng.choice(FACTION_GROUPS)


def item_name(rng, alignment):
    form = rng.below(6)
    obj = rng.choice(ITEM_OBJECTS)
    if form < 2:
        return rng.choice(ITEM_MATERIALS) + " " + obj
    if form < 4:
        return obj + " " + rng.choice(ITEM_OF)
    if form == 4:
        return person(rng) + "'s " + obj
    return obj + " of " + place_compound(rng)


def r_event_name(rng, alignment):
    form = rng.below(7)
    if form == 0:
        return rng.choice(R_EVENT_PHRASES)
    if form < 3:
        return rng.choice(R_EVENT_NOUNS) + " of " + rng.choice(R_EVENT_OF)
    if form < 5:
        return rng.choice(R_EVENT_ADJECTIVES) + " " + rng.choice(R_EVENT_ADJ_NOUNS)
    if form == 5:
        return person(rng) + "'s " + rng.choice(["Gambit", "Oath", "Lay", "Counsel", "Ruse",
                                                  "Last Stand", "Farewell", "Riddle"])
    return rng.choice(["Song", "Blessing", "Muster", "Lights"]) + " of " + place_compound(rng)


def creature_name(rng, alignment):
    form = rng.below(7)
    noun = rng.choice(CREATURE_NOUNS)
    adj = rng.choice(CREATURE_ADJECTIVES)
    if form < 3:
        return adj + " " + noun
    if form == 3:
        return adj + "-" + noun.lower()
    if form == 4:
        return noun + " " + rng.choice(CREATURE_OF)
    if form == 5:
        return "The " + adj + " " + noun
    return person(rng) + " the " + adj + " " + rng.choice(["Drake", "Wyrm", "Troll", "Giant",
                                                            "Hag", "Wight", "Serpent"])


def creature_kind(name):
    """The attack kind named by the last creature word of a name."""
    words = name.replace("-", " ").split()
    for word in reversed(words):
        word = capitalise(word)
        if word in CREATURE_KIND_OF:
            return CREATURE_KIND_OF[word]
    raise AssertionError(name)


def h_event_name(rng, alignment):
    form = rng.below(7)
    if form == 0:
        return rng.choice(H_EVENT_PHRASES)
    if form < 3:
        return rng.choice(H_EVENT_ADJECTIVES) + " " + rng.choice(H_EVENT_ADJ_NOUNS)
    if form < 5:
        return rng.choice(H_EVENT_NOUNS) + " of " + rng.choice(H_EVENT_OF)
    if form == 5:
        return person(rng) + "'s " + rng.choice(["Wrath", "Curse", "Due", "Revenge", "Grudge",
                                                  "Price", "Hunger"])
    return rng.choice(["Shadow", "Storm", "Hunt", "Fever"]) + " over " + place_compound(rng)


def site_name(rng, alignment):
    form = rng.below(9)
    if form < 3:
        return place_compound(rng)
    if form == 3:
        return rng.choice(SITE_FEATURES) + " of " + place_compound(rng)
    if form == 4:
        return rng.choice(SITE_FEATURES) + " of " + person(rng)
    if form == 5:
        return rng.choice(["The ", ""]) + rng.choice(SITE_ADJECTIVES) + " " + \
            rng.choice(SITE_FEATURES)
    if form == 6:
        return person(rng) + "'s " + rng.choice(PERSON_FEATURES)
    if form == 7:
        return place_compound(rng) + " (" + rng.choice(SITE_STATES) + ")"
    return place_compound(rng) + " " + rng.choice(SITE_SUFFIXES)


def region_name(rng, alignment):
    form = rng.below(4)
    if form == 0:
        return rng.choice(REGION_ADJECTIVES) + " " + rng.choice(TERRAIN_WORDS)
    if form == 1:
        return "The " + rng.choice(TERRAIN_WORDS) + " of " + person(rng)
    if form == 2:
        return place_compound(rng) + " " + rng.choice(TERRAIN_WORDS)
    return capitalise(rng.choice(PLACE_HEADS).lower() + rng.choice(["moor", "mark", "wold",
                                                                    "fen", "dale", "land"]))


NAME_MAKERS = {
    CHARACTER: character_name, ALLY: ally_name, FACTION: faction_name, ITEM: item_name,
    R_EVENT: r_event_name, CREATURE: creature_name, H_EVENT: h_event_name, SITE: site_name,
    REGION: region_name,
}
