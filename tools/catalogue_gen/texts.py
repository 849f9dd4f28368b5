"""Card texts and errata, built from the sentence pools and the names of sites and regions."""

from .shape import (
    ALLY, AVATAR, CHARACTER, CREATURE, DEGREE, ERRATA_MAX, ERRATA_MIN, FACTION, HERO,
    H_EVENT, ITEM, MINION, MORVEK, NEUTRAL, REGION, R_EVENT, SITE, STAGE, TEXT_MAX, TEXT_MIN,
)
from .names import creature_kind
from .sentences import (
    ALLY_ABILITIES, CHAR_ABILITIES, CREATURE_KINDS, CREATURE_SPECIALS, ERRATA_RULINGS,
    EVENT_TARGETS, FLAVOURS, GUARDIANS, HERO_PEOPLES, H_EVENT_EFFECTS, ITEM_ABILITIES,
    MINION_PEOPLES, REGION_SPECIALS, R_EVENT_EFFECTS, SITE_KINDS, SITE_SPECIALS, SKILLS,
    SPEAKERS, TERRAINS, YIELDS,
)


class TextContext:
    """Names that texts refer to, gathered once the names are known."""

    def __init__(self, sites, regions):
        self.sites = sites
        self.regions = regions


def fill(rng, template, ctx, alignment):
    peoples = MINION_PEOPLES if alignment == MINION else HERO_PEOPLES
    values = {
        "k": rng.between(1, 3), "n": rng.between(2, 4), "cold": rng.choice([10, 15, 20, 30]),
        "deg": DEGREE, "ckind": rng.choice(CREATURE_KINDS), "site": rng.choice(ctx.sites),
        "region": rng.choice(ctx.regions), "people": rng.choice(peoples),
        "skill": rng.choice(SKILLS), "terrain": rng.choice(TERRAINS),
        "sitekind": rng.choice(SITE_KINDS),
    }
    return template.format(**values)


def flavour(rng):
    return '"' + rng.choice(FLAVOURS) + '" - ' + rng.choice(SPEAKERS)


def event_kind(rng):
    return rng.choice(["Swift event.", "Swift event.", "Lasting event.", "Standing event."])


def text_parts(rng, kind, alignment, name, ctx):
    """The sentences of one card's text."""
    parts = []
    peoples = MINION_PEOPLES if alignment == MINION else HERO_PEOPLES

    def f(template):
        return fill(rng, template, ctx, alignment)

    if alignment == STAGE:
        parts.append("Stage.")
    if kind == CHARACTER:
        if alignment == AVATAR:
            parts.append("Avatar. Only one Avatar may be in play for each player.")
        elif rng.chance(70):
            parts.append("Unique.")
        people = "Morvek-sworn" if alignment == MORVEK else rng.choice(peoples)
        skills = rng.pick(SKILLS, rng.between(1, 2))
        parts.append(people + " " + "/".join(skills) + ".")
        might = rng.between(1, 9 if alignment == AVATAR else 7)
        parts.append("Might %d / Ward %d. Will %d. Sway %d." % (
            might, rng.between(6, 10), rng.between(1, 5), rng.between(0, 4)))
        for template in rng.pick(CHAR_ABILITIES, rng.between(1, 3 if alignment == AVATAR else 2)):
            parts.append(f(template))
        parts.append("Home: " + rng.choice(ctx.sites) + ".")
    elif kind == ALLY:
        if rng.chance(60):
            parts.append("Unique.")
        parts.append("Playable at " + rng.choice(ctx.sites) + ".")
        parts.append("Might %d / Ward %d. Will %d." % (
            rng.between(0, 6), rng.between(5, 9), rng.between(1, 3)))
        for template in rng.pick(ALLY_ABILITIES, rng.between(1, 2)):
            parts.append(f(template))
    elif kind == FACTION:
        parts.append("Unique.")
        parts.append("Playable at %s if the Sway check is greater than %d." % (
            rng.choice(ctx.sites), rng.between(5, 11)))
        mods = rng.pick(HERO_PEOPLES + MINION_PEOPLES, rng.between(2, 3))
        parts.append("Modifiers: " + ", ".join(
            "%s %s%d" % (p, rng.choice(["+", "+", "-"]), rng.between(1, 3)) for p in mods) + ".")
        if rng.chance(30):
            parts.append("Special: each Envoy in the party adds +1 to the Sway check.")
        parts.append("Renown: %d." % rng.between(1, 4))
    elif kind == ITEM:
        cls = rng.choice(["Trinket.", "Trinket.", "Relic.", "Relic.", "Great relic.",
                          "Heirloom."])
        parts.append(cls)
        if cls != "Trinket." and rng.chance(50):
            parts.append("Unique.")
        bonus = rng.between(1, 3)
        prefix = (rng.choice(SKILLS) + " only: ") if rng.chance(40) else ""
        parts.append("%s+%d to Might to a maximum of %d." % (prefix, bonus, rng.between(7, 9)))
        if rng.chance(30):
            parts.append("+1 to Ward to a maximum of %d." % rng.between(8, 10))
        if rng.chance(65):
            parts.append(f(rng.choice(ITEM_ABILITIES)))
        if cls != "Trinket.":
            parts.append("Burden %d." % rng.between(1, 4))
            parts.append("Renown: %d." % rng.between(1, 3))
    elif kind in (R_EVENT, H_EVENT):
        parts.append(event_kind(rng))
        if rng.chance(45):
            parts.append("Playable on " + f(rng.choice(EVENT_TARGETS)) + ".")
        effects = R_EVENT_EFFECTS if kind == R_EVENT else H_EVENT_EFFECTS
        for template in rng.pick(effects, rng.between(1, 2)):
            parts.append(f(template))
        if kind == H_EVENT and rng.chance(25):
            parts.append("Discard this card if the target party reaches a Shelter.")
    elif kind == CREATURE:
        parts.append(creature_kind(name) + ".")
        blows = rng.between(1, 5)
        parts.append("%d %s. Might %d%s." % (
            blows, "blow" if blows == 1 else "blows", rng.between(5, 14),
            (" / Ward %d" % rng.between(6, 10)) if rng.chance(30) else ""))
        terrains = rng.pick(TERRAINS, rng.between(1, 2))
        where = "Playable in " + " or ".join(terrains) + " regions"
        if rng.chance(40):
            where += " or at %s sites" % rng.choice(["Ruin", "Lair", "Barrow"])
        parts.append(where + ".")
        for template in rng.pick(CREATURE_SPECIALS, rng.between(0, 2)):
            parts.append(f(template))
    elif kind == SITE:
        site_kind = rng.choice(SITE_KINDS)
        parts.append(site_kind + ".")
        if site_kind == "Shelter":
            paths = rng.pick(ctx.sites, rng.between(1, 3))
            parts.append("Paths: " + ", ".join(
                "%s (%s)" % (s, rng.choice(ctx.regions)) for s in paths) + ".")
            parts.append("Characters here may heal during the untap phase.")
        else:
            refuge = "Hideout" if alignment == MINION else "Shelter"
            parts.append("%s: %s. Region: %s." % (
                refuge, rng.choice(ctx.sites), rng.choice(ctx.regions)))
            parts.append("Yields: " + ", ".join(rng.pick(YIELDS, rng.between(1, 3))) + ".")
            if rng.chance(70):
                blows = rng.between(1, 4)
                parts.append("Guardians: %s - %d %s at Might %d." % (
                    rng.choice(GUARDIANS), blows, "blow" if blows == 1 else "blows",
                    rng.between(5, 12)))
        if rng.chance(40):
            parts.append("Special: " + f(rng.choice(SITE_SPECIALS)))
    elif kind == REGION:
        parts.append(rng.choice(TERRAINS) + ".")
        parts.append("Borders: " + ", ".join(rng.pick(ctx.regions, rng.between(2, 3))) + ".")
        if rng.chance(50):
            parts.append(f(rng.choice(REGION_SPECIALS)))
    if rng.chance(18):
        parts.append(flavour(rng))
    return parts


def join_sentences(rng, parts):
    """Most texts use one space between sentences; some were typed with two, and a few
    keep a space after the last sentence."""
    sep = "  " if rng.chance(12) else " "
    text = sep.join(parts)
    if rng.chance(4):
        text += " "
    return text


def card_text(rng, kind, alignment, name, ctx):
    while True:
        text = join_sentences(rng, text_parts(rng, kind, alignment, name, ctx))
        if TEXT_MIN < len(text) <= TEXT_MAX:
            return text


def exact_join(rng, head, pool, target):
    """Joins head and an ordered choice from pool with single spaces into exactly target
    characters; pool is shuffled first so the choice differs between cards."""
    pool = list(pool)
    rng.shuffle(pool)
    reach = {len(" ".join(head)): []}
    for i, part in enumerate(pool):
        for length, chosen in list(reach.items()):
            new_length = length + 1 + len(part)
            if new_length <= target and new_length not in reach:
                reach[new_length] = chosen + [i]
        if target in reach:
            return " ".join(head + [pool[i] for i in reach[target]])
    raise SystemExit("cannot reach %d characters" % target)


def longest_text(rng, ctx):
    """A site with every rule spelled out, exactly TEXT_MAX characters."""
    head = ["Hold.", "Shelter: %s. Region: %s." % (ctx.sites[0], ctx.regions[0]),
            "Yields: relics, great relics, lore.", "Guardians: Undead - 4 blows at Might 11."]
    pool = []
    for template in SITE_SPECIALS + CREATURE_SPECIALS[:4]:
        pool.append("Special: " + fill(rng, template, ctx, NEUTRAL))
    return exact_join(rng, head, pool, TEXT_MAX)


def errata_text(rng, kind, alignment, ctx):
    """Errata quote rules but never the frost track's degrees."""
    while True:
        text = errata_candidate(rng, kind, alignment, ctx)
        if DEGREE not in text and ERRATA_MIN <= len(text) <= ERRATA_MAX:
            return text


def errata_candidate(rng, kind, alignment, ctx):
    forms = []
    if kind in (CHARACTER, ALLY):
        forms += ["Might %d." % rng.between(2, 8), "Ward %d." % rng.between(6, 9),
                  "Home: %s." % rng.choice(ctx.sites),
                  'Should read: "' + fill(rng, rng.choice(CHAR_ABILITIES), ctx, alignment) + '"']
    if kind == ITEM:
        forms += ["Burden %d." % rng.between(1, 4),
                  'Should read: "+%d to Might to a maximum of %d."' % (
                      rng.between(1, 3), rng.between(7, 9)),
                  'Add: "' + fill(rng, rng.choice(ITEM_ABILITIES), ctx, alignment) + '"']
    if kind in (R_EVENT, H_EVENT):
        effects = R_EVENT_EFFECTS if kind == R_EVENT else H_EVENT_EFFECTS
        forms += ["Playable only on a %s." % rng.choice(SKILLS),
                  'Should read: "' + fill(rng, rng.choice(effects), ctx, alignment) + '"',
                  "Treat as a Lasting event."]
    if kind == CREATURE:
        forms += ["Might %d." % rng.between(6, 13), "%d blows." % rng.between(2, 5),
                  "Playable in %s regions only." % rng.choice(TERRAINS)]
    if kind in (SITE, REGION, FACTION):
        forms += ["Region: %s." % rng.choice(ctx.regions),
                  "Borders: %s, %s." % (rng.choice(ctx.regions), rng.choice(ctx.regions)),
                  "Playable at %s." % rng.choice(ctx.sites)]
    forms.append(fill(rng, rng.choice(ERRATA_RULINGS), ctx, alignment))
    text = rng.choice(forms)
    if rng.chance(25):
        text += " " + fill(rng, rng.choice(ERRATA_RULINGS), ctx, alignment)
    return text


def longest_errata(rng, ctx):
    """A character's rules rewritten in full, exactly ERRATA_MAX characters."""
    pool = [fill(rng, t, ctx, HERO) for t in CHAR_ABILITIES if "{deg}" not in t]
    inner = exact_join(rng, ["Might 6 / Ward 9.", "Home: %s." % ctx.sites[1]], pool,
                       ERRATA_MAX - len('Should read: ""'))
    return 'Should read: "' + inner + '"'
