"""Building the catalogue: slots grouped into cards, sets dealt, names given, then the
records with their texts, artists, rarities, codes, errata and card numbers, sorted."""

from .shape import (
    ACCENT_PAIR, ALLY, AVATAR, AVOIDED_NAMES, CASE_PAIR, CHARACTER, CODES, CREATURE,
    ERRATA_COUNT, HERO, ITEM, LONGEST_ARTIST, LONGEST_NAME, MINION, MORVEK, MORVEK_SET,
    NAME_MAX, NAME_MIN, NEUTRAL, PAIR_COUNT, REGION, SET_CODES, SET_COUNTS, SHORTEST_ARTIST,
    SHORTEST_ERRATA, SHORTEST_NAME, SHORTEST_TEXT, SITE, STORMREACH, STORMREACH_PAIR_TYPES,
    TRIPLE_COUNT, TYPE_ALIGNMENT,
)
from .order import sort_key
from .names import NAME_MAKERS
from .texts import TextContext, card_text, errata_text, longest_errata, longest_text
from .artists import artist_pool


class Card:
    """One name and the records printed under it (one, two or three)."""

    def __init__(self, kind, alignments, label):
        self.kind = kind
        self.alignments = alignments  # one per record
        self.label = label            # "single", "reprint", "stormreach", "case", "accent"
        self.sets = []
        self.names = []


def take_slot(rng, slots, kind=None, count=1, alignment=None):
    """Removes count slots of one (type, alignment) from slots, chosen at random weighted
    by how many remain, and returns that alignment."""
    candidates = []
    for (t, a), n in slots.items():
        if kind is not None and t != kind:
            continue
        if alignment is not None and a != alignment:
            continue
        if alignment is None and a in (AVATAR, MORVEK):
            continue  # Avatars and Morvek cards are printed once
        if n >= count:
            candidates.append(((t, a), n))
    total = sum(n for _, n in candidates)
    r = rng.below(total)
    for key, n in candidates:
        if r < n:
            slots[key] -= count
            return key
        r -= n
    raise AssertionError("unreachable")


def build_cards(rng):
    slots = {}
    for kind in range(9):
        for alignment, n in enumerate(TYPE_ALIGNMENT[kind]):
            if n:
                slots[(kind, alignment)] = n

    cards = []
    for kind in STORMREACH_PAIR_TYPES:
        take_slot(rng, slots, kind, 1, HERO)
        take_slot(rng, slots, kind, 1, MINION)
        cards.append(Card(kind, [HERO, MINION], "stormreach"))
    for _ in range(TRIPLE_COUNT):
        kind, alignment = take_slot(rng, slots, count=3)
        cards.append(Card(kind, [alignment] * 3, "reprint"))
    for _ in range(PAIR_COUNT - len(STORMREACH_PAIR_TYPES)):
        kind, alignment = take_slot(rng, slots, count=2)
        cards.append(Card(kind, [alignment] * 2, "reprint"))
    for label, pair in (("case", CASE_PAIR), ("accent", ACCENT_PAIR)):
        kind, alignment = take_slot(rng, slots, pair[2], 2)
        cards.append(Card(kind, [alignment] * 2, label))
    singles = []
    for (kind, alignment), n in slots.items():
        singles += [Card(kind, [alignment], "single") for _ in range(n)]
    rng.shuffle(singles)
    cards += singles
    return cards


def deal_sets(rng, cards):
    remaining = list(SET_COUNTS)
    for card in cards:
        if card.label == "stormreach":
            card.sets = [STORMREACH, STORMREACH]
            remaining[STORMREACH] -= 2
    morvek_cards = [c for c in cards if c.label == "single" and c.alignments[0] == MORVEK]
    remaining[MORVEK_SET] -= len(morvek_cards)
    for card in morvek_cards:
        card.sets = [MORVEK_SET]
    # Reprints go to different sets, drawn in proportion to the room each set has left.
    for card in cards:
        if card.sets or len(card.alignments) == 1:
            continue
        for _ in card.alignments:
            choices = [(s, n) for s, n in enumerate(remaining) if s not in card.sets and n > 0]
            r = rng.below(sum(n for _, n in choices))
            for s, n in choices:
                if r < n:
                    card.sets.append(s)
                    remaining[s] -= 1
                    break
                r -= n
    pile = []
    for s, n in enumerate(remaining):
        assert n >= 0
        pile += [s] * n
    rng.shuffle(pile)
    for card in cards:
        if not card.sets:
            card.sets = [pile.pop()]
    assert not pile


def name_cards(rng, cards):
    taken = {}

    def claim(name, card):
        key = sort_key(name)
        assert key not in taken, name
        taken[key] = card

    avoided = [sort_key(n) for n in AVOIDED_NAMES]

    def acceptable(name):
        return (NAME_MIN <= len(name) <= NAME_MAX and sort_key(name) not in taken
                and sort_key(name) not in avoided and "  " not in name)

    fixed = {}
    for name, kind in (SHORTEST_NAME, LONGEST_NAME):
        card = next(c for c in cards if c.label == "single" and c.kind == kind
                    and c.alignments[0] in (HERO, NEUTRAL) and c not in fixed.values())
        fixed[name] = card
    for name, card in fixed.items():
        card.names = [name]
        claim(name, card)
    for label, pair in (("case", CASE_PAIR), ("accent", ACCENT_PAIR)):
        card = next(c for c in cards if c.label == label)
        card.names = [pair[0], pair[1]]
        claim(pair[0], card)

    for card in cards:
        if card.names:
            continue
        make = NAME_MAKERS[card.kind]
        while True:
            name = make(rng, card.alignments[0])
            if acceptable(name):
                break
        claim(name, card)
        card.names = [name] * len(card.alignments)


def build_records(rng):
    cards = build_cards(rng)
    deal_sets(rng, cards)
    name_cards(rng, cards)

    sites = [c.names[0] for c in cards if c.kind == SITE]
    regions = [c.names[0] for c in cards if c.kind == REGION]
    ctx = TextContext(sites, regions)
    artists = artist_pool(rng)

    records = []
    for card in cards:
        shared_text = card_text(rng, card.kind, card.alignments[0], card.names[0], ctx)
        shared_artist = rng.skewed(artists)
        for i, (alignment, s) in enumerate(zip(card.alignments, card.sets)):
            text = shared_text
            if card.label == "stormreach" and i > 0:
                text = card_text(rng, card.kind, alignment, card.names[i], ctx)
            artist = shared_artist if i == 0 or rng.chance(70) else rng.skewed(artists)
            records.append({
                "card": card, "name": card.names[i], "set": s, "type": card.kind,
                "alignment": alignment, "artist": artist, "text": text, "errata": "",
            })

    # Fixed extremes: the shortest and longest texts, errata and artists.
    plain = [r for r in records if r["card"].label == "single"]
    next(r for r in plain if r["type"] == ITEM)["text"] = SHORTEST_TEXT
    next(r for r in plain if r["type"] == SITE)["text"] = longest_text(rng, ctx)
    # The two artists with fixed lengths are the first two in the pool; make sure both
    # appear even if the skewed draw missed them.
    plain[1]["artist"] = LONGEST_ARTIST
    plain[2]["artist"] = SHORTEST_ARTIST

    # Rarities and distribution codes.
    deal = []
    for rarity, code, n in CODES:
        deal += [(rarity, code)] * n
    rng.shuffle(deal)
    for record, (rarity, code) in zip(records, deal):
        record["rarity"] = rarity
        record["code"] = code

    # Errata.
    chosen = rng.pick(range(len(records)), ERRATA_COUNT)
    for i in chosen:
        r = records[i]
        r["errata"] = errata_text(rng, r["type"], r["alignment"], ctx)
    # The shortest errata corrects a Might value, the longest rewrites a character.
    with_might = [i for i in chosen if records[i]["type"] in (CHARACTER, ALLY, CREATURE)]
    records[with_might[0]]["errata"] = SHORTEST_ERRATA
    records[next(i for i in with_might if records[i]["type"] == CHARACTER and
                 i != with_might[0])]["errata"] = longest_errata(rng, ctx)

    # Card numbers: 1..N within each set, dealt in shuffled order.
    for s, code in enumerate(SET_CODES):
        members = [r for r in records if r["set"] == s]
        numbers = list(range(1, len(members) + 1))
        rng.shuffle(numbers)
        for r, number in zip(members, numbers):
            r["cardId"] = "%s%03d" % (code, number)

    records.sort(key=lambda r: (sort_key(r["name"]), r["cardId"]))
    return records
