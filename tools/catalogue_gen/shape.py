"""The fixed shape of the catalogue: field widths and length ranges, the record counts per
set, type, alignment and rarity, the distribution codes, and the names and texts fixed in
advance."""

SEED = 0xCA7A1065

CARD_COUNT = 1674
NAME_WIDTH = 37
ARTIST_WIDTH = 25
CODE_WIDTH = 7
NAME_MIN, NAME_MAX = 3, 33
ARTIST_MIN, ARTIST_MAX = 4, 25
TEXT_MIN, TEXT_MAX = 9, 756
ERRATA_MIN, ERRATA_MAX = 8, 380
ERRATA_COUNT = 97

SET_CODES = ["AF", "EK", "GW", "HM", "SR", "MV", "FG"]
SET_COUNTS = [492, 184, 183, 419, 170, 104, 122]
STORMREACH = 4
MORVEK_SET = 5

(CHARACTER, ALLY, FACTION, ITEM, R_EVENT, CREATURE, H_EVENT, SITE, REGION) = range(9)
TYPE_COUNTS = [195, 34, 98, 268, 362, 155, 290, 220, 52]

(AVATAR, HERO, NEUTRAL, MINION, STAGE, MORVEK) = range(6)
ALIGNMENT_COUNTS = [20, 538, 499, 527, 68, 22]

RARITY_COUNTS = [111, 534, 477, 535, 17]

# Distribution codes per rarity with their record counts.
CODES = [
    (0, "F1", 77), (0, "F2", 24), (0, "F3", 4), (0, "F4", 1), (0, "F5", 5),
    (1, "C", 8), (1, "C1", 38), (1, "C2", 130), (1, "C3", 41), (1, "C4", 16),
    (1, "CA1", 55), (1, "CA2", 31), (1, "CB", 6), (1, "CB1", 71), (1, "CB2", 25),
    (1, "CB,CS1", 90), (1, "CB,CS2", 15), (1, "F5,CB", 8),
    (2, "U", 262), (2, "U1", 1), (2, "U2", 159), (2, "U3", 54), (2, "U4", 1),
    (3, "R", 323), (3, "R1", 9), (3, "R2", 134), (3, "R3", 69),
    (4, "P", 17),
]

# Records per (type, alignment): Avatar, Hero, Neutral, Minion, Stage, Morvek.
TYPE_ALIGNMENT = {
    CHARACTER: [20, 80, 0, 80, 0, 15],
    ALLY: [0, 18, 0, 14, 0, 2],
    FACTION: [0, 50, 0, 45, 0, 3],
    ITEM: [0, 120, 36, 110, 0, 2],
    R_EVENT: [0, 160, 50, 150, 2, 0],
    CREATURE: [0, 15, 120, 20, 0, 0],
    H_EVENT: [0, 50, 155, 73, 12, 0],
    SITE: [0, 45, 100, 35, 40, 0],
    REGION: [0, 0, 38, 0, 14, 0],
}

PAIR_COUNT = 166    # names stored twice (byte-identical)
TRIPLE_COUNT = 20   # names stored three times
STORMREACH_PAIR_TYPES = [SITE, SITE, CHARACTER, R_EVENT]

# Names fixed in advance: the shortest and longest names, and the two reprints keyed in
# differently (see the module comment).
SHORTEST_NAME = ("Oth", SITE)
LONGEST_NAME = ("Ballad of the Seven Ember Keepers", R_EVENT)
CASE_PAIR = ("Keepers of the Ashen Way", "Keepers of the Ashen way", FACTION)
ACCENT_PAIR = ("Bridge of K\u00e2ldur", "Bridge of Kaldur", SITE)
SHORTEST_TEXT = "Heirloom."
SHORTEST_ERRATA = "Might 6."
LONGEST_ARTIST = "Maximilian Thornbury-Vale"
SHORTEST_ARTIST = "Ansa"

# Windows-1252 letters beyond ASCII, and what each sorts as.
ACCENT_FOLD = {
    "\u00e1": "a", "\u00e2": "a", "\u00e4": "a",
    "\u00e9": "e", "\u00eb": "e", "\u00c9": "e",
    "\u00ed": "i", "\u00ee": "i",
    "\u00f3": "o", "\u00f4": "o", "\u00d3": "o", "\u00d4": "o",
    "\u00fa": "u", "\u00fb": "u", "\u00db": "u",
}
DEGREE = "\u00b0"
NAME_PUNCTUATION = " ,()!&?-'"

# Names too close to well-known fantasy names; the generators draw again.
AVOIDED_NAMES = [
    "Barrow-wights", "Barrow Wights", "The Barrow Wights", "Black Gates", "The Black Gates",
    "Hill-trolls", "Hill Trolls", "Cave-trolls", "Cave Trolls", "Stone-giants", "Stone Giants",
    "Grey Peaks", "Hollow Hills",
]
