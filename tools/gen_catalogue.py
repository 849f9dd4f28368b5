#!/usr/bin/env python3
"""Writes the built-in card catalogue, catalogue/card_table.cpp.

    python3 tools/gen_catalogue.py catalogue/card_table.cpp          write the table
    python3 tools/gen_catalogue.py --check catalogue/card_table.cpp  exit 1 if it is stale

The catalogue is assembled from word and sentence pools with a fixed seed and a private
random number generator, so every run on every Python 3 produces the same bytes. Nothing
here iterates over a set or relies on string hashing.

How the records come about:
  1. Every record gets a (type, alignment) slot from TYPE_ALIGNMENT, whose rows and columns
     add up to the per-type and per-alignment record counts.
  2. Slots are grouped into cards: names printed once, reprints printed two or three times
     in different sets, four names printed twice in Stormreach (set 4) as a Hero and a
     Minion version, and two reprints whose names were keyed in slightly differently.
  3. Sets, rarities, distribution codes and errata are dealt out to meet their counts.
  4. Names, texts and artists are built from the pools; card numbers are dealt per set in
     shuffled order; the records are sorted by name (see sort_key) and written out.

Counting names. Names are compared as stored bytes. Two reprints carry names that sort as
equal but are stored differently: "Keepers of the Ashen Way" / "Keepers of the Ashen way"
(a letter's case) and "Bridge of K\u00e2ldur" / "Bridge of Kaldur" (one accent). Each of those
four spellings is stored exactly once, so they count as four distinct names occurring once.
With that counting the catalogue has 1468 distinct names: 1282 occur once, 166 twice and 20
three times (1282 + 2 * 166 + 3 * 20 = 1674). Under the sort rule there are 1466 distinct
keys; the two pairs stand next to each other, ordered by card id like any equal names.
"""

import argparse
import sys

SEED = 0xCA7A1065

# --------------------------------------------------------------------------------------
# Fixed shape of the catalogue

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


# --------------------------------------------------------------------------------------
# Random numbers: splitmix64, so results never depend on the Python version.

class Rng:
    MASK = (1 << 64) - 1

    def __init__(self, seed):
        self.state = seed & self.MASK

    def next(self):
        self.state = (self.state + 0x9E3779B97F4A7C15) & self.MASK
        z = self.state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & self.MASK
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & self.MASK
        return z ^ (z >> 31)

    def below(self, n):
        return self.next() % n

    def between(self, lo, hi):
        return lo + self.below(hi - lo + 1)

    def chance(self, percent):
        return self.below(100) < percent

    def choice(self, seq):
        return seq[self.below(len(seq))]

    def skewed(self, seq):
        """Earlier entries come up more often."""
        return seq[min(self.below(len(seq)), self.below(len(seq)))]

    def shuffle(self, items):
        for i in range(len(items) - 1, 0, -1):
            j = self.below(i + 1)
            items[i], items[j] = items[j], items[i]

    def pick(self, seq, count):
        items = list(seq)
        self.shuffle(items)
        return items[:count]


# --------------------------------------------------------------------------------------
# Sort order

def sort_key(name):
    """Trailing spaces removed, hyphens and apostrophes dropped, case ignored, accented
    letters taken as their base letter. Spaces and , ( ) ! & ? keep their codes, which lie
    below the letters, and a prefix sorts first (plain string comparison)."""
    key = []
    for ch in name.rstrip(" "):
        if ch in "-'":
            continue
        ch = ACCENT_FOLD.get(ch, ch)
        key.append(ch.lower())
    return "".join(key)


# --------------------------------------------------------------------------------------
# Word pools for names

ONSETS = [
    "Al", "Ar", "Bal", "Bel", "Bran", "Cad", "Cal", "Cor", "Dar", "Dor", "Ed", "El", "Fal",
    "Fen", "Gal", "Gar", "Gor", "Hal", "Har", "Ith", "Jor", "Kel", "Kor", "Lan", "Lor", "Mal",
    "Mer", "Mor", "Nar", "Nim", "Or", "Os", "Per", "Ral", "Ren", "Rho", "Sar", "Sel", "Tal",
    "Tam", "Thar", "Tor", "Ul", "Val", "Ves", "Wen", "Wil", "Yor", "Zan", "Ael", "Bry", "Cyn",
    "Dru", "Eo", "Gwen", "Hro", "Isk", "Mael", "Osk", "Quel", "Syl", "Tiv", "Vor", "Wyn",
    "Ans", "Brom", "Edr", "Fin", "Hesk", "Ilm", "Jas", "Kes", "Lys", "Mab", "Nes", "Pell",
    "Ros", "Sten", "Tyr", "Varr", "Hild", "Ger", "Od", "Ciar", "Bren", "Aud", "Roth", "Sig",
]
ACCENT_ONSETS = [
    "\u00c9l", "\u00d3r", "\u00d4s", "\u00dbl", "Th\u00ed", "B\u00e1", "D\u00fa", "L\u00fb",
    "K\u00e9", "M\u00f3", "R\u00f4", "V\u00e4", "S\u00eb", "F\u00ee", "N\u00e1", "G\u00f3",
    "H\u00e9", "T\u00fa", "C\u00e4", "Br\u00e1", "\u00c9o", "\u00d3lv", "\u00d4r", "\u00dbth",
    "S\u00ed", "K\u00e2", "V\u00e2", "M\u00ee", "B\u00f4",
]
LINKS = ["", "", "", "", "", "a", "e", "i", "o", "an", "el", "er", "ad"]
CODAS = [
    "a", "ak", "ald", "an", "ar", "as", "ath", "en", "eth", "ic", "ik", "in", "ion", "is",
    "or", "orn", "os", "ric", "ros", "un", "wyn", "yth", "ia", "wen", "ra", "dur", "mir",
    "gar", "nel", "rik", "via", "ven", "mund", "hild", "grim", "ard", "ael", "id", "il",
    "ulf", "wald", "ec", "ny", "ris", "da", "ke", "mo", "th",
]
ACCENT_CODAS = [
    "\u00eba", "\u00f3n", "\u00edr", "\u00e2r", "\u00fbn", "\u00e1s", "\u00e9l", "\u00f4r",
    "\u00fal", "\u00eer", "\u00e4n", "\u00e9a",
]

EPITHETS = [
    "the Grey", "the Bold", "the Elder", "the Younger", "the Wanderer", "the Lame",
    "the Silent", "the Red", "the Fair", "Stonehand", "Ashborn", "Ironbrow", "Half-hand",
    "Two-blades", "Longstride", "Fenwalker", "Oakheart", "Greycloak", "Brightspear",
    "the Unbowed", "the Oathbreaker", "Emberborn", "Frostbeard", "Ravenwing", "Saltblood",
    "Thornfoot", "the Quiet", "the Tall", "the Keen", "Hammerhand", "the Wise", "Bonesetter",
]
TITLES = [
    "Old", "Captain", "Lady", "Thane", "Sister", "Brother", "Warden", "Master", "Mother",
    "Lord", "Sergeant", "Young", "Reeve", "Father",
]
ASPECTS = ["Ascendant", "Fallen", "Reborn", "Young", "Elder", "Exile", "Returned"]
AVATAR_EPITHETS = [
    "the Ashen", "the Veiled", "the Wayward", "the Emberlit", "Stormcaller", "the Frostborn",
    "the Hollow-eyed", "the Undying", "the Pale", "the Grey-cloaked", "the Unbowed",
    "the Lantern-bearer", "the Starwise", "the Grave-warden", "the Tidewalker",
    "the Thornwise", "the Far-seer", "the Cindermaid",
]
MORVEK_TITLES = ["of the Morvek", "Morvek-sworn", "the Ash-bound", "the Gaunt", "the Hollow"]

PLACE_HEADS = [
    "Ash", "Ember", "Grim", "Hollow", "Storm", "Frost", "Raven", "Stone", "Thorn", "Wolf",
    "Cinder", "Salt", "Black", "Grey", "Red", "White", "Iron", "Gloom", "Mist", "Dusk",
    "Bright", "Elder", "Wyrm", "Crow", "Hag", "Bone", "Glass", "Amber", "Copper", "Moss",
    "Bram", "Oak", "Fell", "Heath", "Marrow", "Whisper", "Kestrel", "Gull", "Otter", "Sedge",
    "Willow", "Hearth", "Tarn", "Rook", "Hart", "Yew", "Alder", "Flint", "Sorrow", "Wither",
]
ACCENT_HEADS = [
    "D\u00fbn", "K\u00e2l", "V\u00e1r", "Th\u00fbl", "\u00d4rn", "\u00dbth", "Br\u00e9c",
    "L\u00edn", "F\u00e4l", "G\u00ebth", "M\u00eer", "\u00d3sk", "T\u00f3r", "R\u00fam",
    "\u00c9d", "S\u00f4l",
]
PLACE_TAILS = [
    "hold", "fell", "crag", "moor", "mere", "ford", "gate", "keep", "watch", "haven",
    "hollow", "barrow", "wick", "stead", "reach", "spire", "deep", "fast", "holm", "dale",
    "combe", "mouth", "brook", "march", "tor", "wold", "shaw", "cairn", "rest", "burrow",
    "hall", "well", "wood", "scar",
]
SITE_FEATURES = [
    "Tower", "Halls", "Ruins", "Barrow", "Gates", "Mines", "Vaults", "Shrine", "Caves",
    "Well", "Citadel", "Pits", "Fane", "Stair", "Forge", "Bridge", "Camp", "Market", "Lair",
    "Tomb", "Den", "Mill", "Harbour", "Abbey", "Beacon",
]
SITE_ADJECTIVES = [
    "Drowned", "Sunken", "Broken", "Silent", "Burning", "Frozen", "Whispering", "Shattered",
    "Forgotten", "Black", "Grey", "Weeping", "Hidden", "Old", "Last", "High", "Red", "Lonely",
    "Hollow", "Crooked",
]
PERSON_FEATURES = [
    "Rest", "Tomb", "Hall", "Watch", "Folly", "Crossing", "Landing", "Forge", "Well",
    "Barrow", "Hold", "Steading", "Tower", "Refuge",
]
SITE_STATES = ["Ruined", "Besieged", "Abandoned", "Burning", "Flooded", "Reclaimed"]
SITE_SUFFIXES = ["Bridge", "Inn", "Mill", "Crossing", "Landing", "Market", "Beacon", "Quarry"]

TERRAIN_WORDS = [
    "Wastes", "Moors", "Marshes", "Hills", "Downs", "Vale", "Fells", "Heath", "Wold",
    "Reaches", "Peaks", "Forest", "Woods", "Shore", "Coast", "Fens", "Flats", "Steppe",
    "Barrens", "Highlands", "Glens", "Shallows", "Sound", "Narrows",
]
REGION_ADJECTIVES = [
    "Ashen", "Northern", "Southern", "Eastern", "Western", "Grey", "Bitter", "Silver",
    "Blighted", "Fog-bound", "Windswept", "Sundered", "Frozen", "Drowned", "Elder", "Black",
    "Burnt", "Pale", "High", "Lower", "Upper", "Outer", "Inner",
]

ITEM_OBJECTS = [
    "Blade", "Sword", "Axe", "Spear", "Bow", "Shield", "Helm", "Cloak", "Ring", "Amulet",
    "Lantern", "Horn", "Staff", "Rod", "Crown", "Circlet", "Mail", "Hauberk", "Gauntlets",
    "Boots", "Torc", "Brooch", "Chalice", "Mirror", "Key", "Map", "Tome", "Scroll", "Orb",
    "Stone", "Flask", "Banner", "Dagger", "Hammer", "Girdle", "Bracers", "Mantle", "Compass",
    "Harp", "Bell", "Knife", "Drum",
]
ITEM_MATERIALS = [
    "Ember-forged", "Ashwood", "Iron", "Silver", "Black", "Frost", "Storm", "Bone", "Glass",
    "Amber", "Star-iron", "Runed", "Old", "Cinder", "Gilded", "Broken", "Whispering",
    "Hollow", "Bright", "Grave", "Wyrm-scale", "Thornwood", "Salt-crusted", "Moon-silver",
    "Copper", "Red", "Sea-glass", "Oaken",
]
ITEM_OF = [
    "of Ash", "of the North Wind", "of Embers", "of Binding", "of Warding", "of the Deep",
    "of Mists", "of Kings", "of Unmaking", "of the Hollow", "of Frost", "of Tides",
    "of Sorrow", "of Passage", "of Echoes", "of the Morvek", "of Dawn", "of Sparks",
    "of Thorns", "of the Drowned", "of Waking", "of Ravens",
]

# Creature words and the kind of attack each makes.
CREATURE_KIND_OF = {
    "Wyrm": "Drake", "Troll": "Troll", "Wolves": "Beast", "Wights": "Undead",
    "Gaunts": "Spirit", "Hounds": "Beast", "Crows": "Beast", "Spiders": "Vermin",
    "Ghouls": "Undead", "Giants": "Giant", "Drakes": "Drake", "Bats": "Vermin",
    "Boars": "Beast", "Wraiths": "Spirit", "Shades": "Spirit", "Serpent": "Drake",
    "Ogres": "Giant", "Trolls": "Troll", "Bears": "Beast", "Hags": "Spirit",
    "Reavers": "Brigand", "Raiders": "Brigand", "Brigands": "Brigand", "Harpies": "Beast",
    "Leeches": "Vermin", "Worms": "Vermin", "Crawlers": "Vermin", "Stalkers": "Beast",
    "Revenants": "Undead", "Lurker": "Spirit", "Horror": "Spirit", "Drake": "Drake",
    "Giant": "Giant", "Hulks": "Troll", "Hag": "Spirit", "Wight": "Undead",
}
CREATURE_NOUNS = [noun for noun in CREATURE_KIND_OF if noun not in ("Hag", "Wight")]
CREATURE_ADJECTIVES = [
    "Ash", "Barrow", "Bog", "Cave", "Cinder", "Frost", "Grave", "Hill", "Marsh", "Storm",
    "Stone", "Tomb", "Fell", "Mire", "Dune", "Salt", "Hollow", "Ember", "Pale", "Night",
    "Gloom", "Carrion", "Dread", "Rime", "Thorn", "Sea", "Cliff", "Mound",
]
CREATURE_OF = ["of the Barrows", "of the Deep", "of the Mere", "of the Wastes", "of Ruin"]

R_EVENT_PHRASES = [
    "Stand at the Cairn!", "Lanterns on the Causeway", "Bread & Salt",
    "Will You Walk With Me?", "Kettle & Hearth", "Not Yet, Old Friend!", "Mend the Nets",
    "Three Torches Lit", "Oars Together!", "The Ferryman's Nod", "Salt on the Threshold",
    "Sing the Road Shorter", "Boots & Blankets", "A Warm Barn", "Rest, Then Ride",
    "Whistle for the Ponies", "Smoke from the Chimney", "Who Will Hold the Gate?",
    "Mind the Ford!", "Rope, Hook & Lantern", "The Ember Remembers", "Back to the Cairn",
    "Songs at the Sedge-fire", "Forward, Emberkin!", "By Ember and Oath", "Up the Scree!",
    "The Long Ladder", "Stew for Twelve", "Thaw-water Blessing", "One More Mile",
    "Signal on the Tor", "Kindle the Beacon",
]
R_EVENT_NOUNS = [
    "Song", "Oath", "Word", "Call", "Gift", "Blessing", "Vigil", "Lay", "Hymn", "Promise",
    "Return", "Rite", "Luck", "Mercy", "Ward", "Tale", "Counsel", "Dream", "Path", "Light",
    "Hope", "Rest",
]
R_EVENT_OF = [
    "the Hearth", "the Wise", "Embers", "the North", "Kinship", "Stone", "Hope", "Ages Past",
    "the Fallen", "the Road", "Dawn", "Iron", "the Tides", "Old Kings", "the Lantern",
    "Spring", "Friends",
]
R_EVENT_ADJECTIVES = [
    "Swift", "Sudden", "Quiet", "Stern", "Bright", "Hidden", "Fair", "Steadfast", "Long",
    "Last", "Bold", "True", "Secret", "Faithful", "Timely", "Gentle",
]
R_EVENT_ADJ_NOUNS = [
    "Strike", "Counsel", "Passage", "Rally", "Resolve", "Respite", "Courage", "Guard",
    "March", "Vow", "Bargain", "Fortune", "Shelter", "Parley", "Escape", "Welcome",
]

H_EVENT_PHRASES = [
    "Who Knocks at Dusk?", "Crows in the Rafters", "Ash & Bone", "Rot in the Grain",
    "Lost in the Sedge", "No Road Home!", "Cold Hands at the Door", "What Stirs in the Mere?",
    "Run for the Ridge!", "Smoke & Whispers", "Nowhere to Hide", "The Lantern Gutters",
    "Ashes, Ashes", "Too Late, Too Late!", "Teeth in the Water", "The Scree Gives Way",
    "Blood on the Snow", "Whispers at the Door", "Salt in the Well", "Frost on the Oars",
]
H_EVENT_ADJECTIVES = [
    "Creeping", "Bitter", "Black", "Choking", "Endless", "Fell", "Withering", "Howling",
    "Grasping", "Long", "Cruel", "Wicked", "Baleful", "Silent", "Hungry", "Sickly",
]
H_EVENT_ADJ_NOUNS = [
    "Frost", "Winter", "Storm", "Dread", "Doubt", "Shadow", "Fog", "Blight", "Whispers",
    "Despair", "Malice", "Hunger", "Night", "Thirst", "Gloom", "Fever", "Madness", "Dark",
]
H_EVENT_NOUNS = [
    "Curse", "Shadow", "Eye", "Hand", "Breath", "Call", "Grip", "Mark", "Veil", "Weight",
    "Whisper", "Wrath", "Doom", "Toll", "Chill", "Echo",
]
H_EVENT_OF = [
    "the Morvek", "Ash", "the Deep", "Ruin", "Ages", "Winter", "the Barrow", "Night",
    "the Drowned", "the Pale King", "Despair", "the Mire", "Iron", "the Grave",
]

FACTION_GROUPS = [
    "Riders", "Wardens", "Clans", "Men", "Folk", "Spears", "Archers", "Shepherds", "Keepers",
    "Rangers", "Hunters", "Sworn", "Fishers", "Smiths", "Warband", "Host", "Kin", "Lords",
    "Watchers", "Boatmen", "Miners", "Reavers", "Pilgrims", "Wolf-riders",
]
FACTION_ADJECTIVES = [
    "Grey", "Free", "Hill", "Marsh", "Ash", "Salt", "Iron", "Ember", "Storm", "Frost",
    "Wild", "Last", "Black", "Red", "Hollow", "Barrow",
]
ALLY_TRADES = [
    "Ferryman", "Smith", "Hunter", "Tinker", "Hermit", "Herbwife", "Shepherd", "Boatwright",
    "Bard", "Fisher", "Innkeeper", "Tracker", "Beekeeper", "Charcoal-burner",
]
ALLY_ANIMALS = ["Owl", "Stag", "Hound", "Pony", "Eagle", "Raven", "Bear", "Otter", "Fox",
                "Elk", "Wolf", "Hawk", "Goat", "Lynx"]
ALLY_ANIMAL_ADJECTIVES = ["Great", "Grey", "White", "Old", "Wise", "Black", "Swift", "Lame",
                          "Red", "Tame"]


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


# --------------------------------------------------------------------------------------
# Card texts. The game's vocabulary: Might / Ward / Will / Sway for characters, blows for
# attacks, parties that move between sites and regions, Burden for items, the peril limit
# for hazards, Renown for points, and the frost track measured in degrees.

HERO_PEOPLES = ["Hearthfolk", "Emberkin", "Fenborn", "Highlander", "Stonekin", "Stormrider"]
MINION_PEOPLES = ["Skarn", "Hollowborn", "Grimlander", "Barrowkin", "Ash-sworn", "Fell-man"]
SKILLS = ["Blade", "Pathfinder", "Loremaster", "Envoy", "Mystic", "Wayfarer"]
TERRAINS = ["Moorland", "Wastes", "Mountain", "Marsh", "Forest", "Coast", "Deadland", "Hill"]
SITE_KINDS = ["Shelter", "Hamlet", "Hold", "Ruin", "Lair", "Barrow"]
CREATURE_KINDS = ["Beast", "Undead", "Giant", "Drake", "Spirit", "Brigand", "Troll", "Vermin"]
GUARDIANS = ["Beasts", "Undead", "Giants", "Drakes", "Spirits", "Brigands", "Trolls", "Vermin"]
YIELDS = ["trinkets", "relics", "great relics", "heirlooms", "allies", "factions", "lore"]

SPEAKERS = [
    "Th\u00edra of \u00c9mbrin", "Old Osric", "\u00dblvar Greycloak", "S\u00e9ra the Younger",
    "D\u00fanwald", "M\u00f3rag of the Fens", "\u00d4sric Stonehand", "L\u00fbmen the Bard",
    "Ka\u00eblin", "B\u00e1ra", "\u00d3rla the Ferrywoman", "Hild of Ravencrag",
    "a Stormreach sailor", "the Hermit of Greymoor", "Fr\u00eeda Ashborn", "V\u00e2ren",
    "V\u00e4la of the Shallows", "T\u00f4rvald the Elder",
]
FLAVOURS = [
    "The ash remembers what the fire forgets.", "No road is long with good company.",
    "Mind the cold; it minds you.", "Every gate opens twice: once in, once out.",
    "We do not kneel to the storm.", "Under the mere the bells still ring.",
    "Count your torches, not your enemies.", "Iron rusts. Oaths do not.",
    "The hollow hills are never empty.", "He went north, and the north kept him.",
    "Light a lamp for those still on the road.", "Salt for the dead, bread for the living.",
    "If the crows are quiet, so are we.", "Stone outlasts kings; stone outlasts us all.",
    "Where the frost walks, nothing grows but silence.", "Sing low. The moor is listening.",
]

CHAR_ABILITIES = [
    "Tap this character to cancel one blow against another character in the same party.",
    "Tap this character to heal a wounded character at the same site.",
    "Tap this character to draw one card; discard one card at the end of the turn.",
    "+{k} Might against {ckind} attacks.",
    "+{k} to Sway checks against factions playable at {site}.",
    "May bear a second relic without making a Burden check.",
    "When this character's party moves through {region}, reduce the peril limit by one.",
    "If this character is wounded, turn this card 90{deg} instead of discarding an item "
    "this character bears.",
    "May untap during the site phase if at a Ruin site.",
    "Discard this character if the party ends a turn in a Deadland region.",
    "Counts as two characters for the size of a party.",
    "Tap this character to look at the top {n} cards of your play deck and return them in "
    "any order.",
    "Tap this character during the site phase to take one trinket from your discard pile "
    "into your hand.",
    "Cannot be discarded by a hazard event.",
    "-{k} to this character's Will when making a Sway check against {people} factions.",
    "Tap this character to give +{k} Might to every {skill} in the party until the end of "
    "the turn.",
    "Once per turn, this character may move alone from {site} to any site in {region}.",
]
ALLY_ABILITIES = [
    "Tap this ally to cancel one {ckind} attack against its party.",
    "Tap this ally to untap a Pathfinder in its party.",
    "Cannot be the target of a blow from a {ckind} attack.",
    "Discard this ally if its party enters a Deadland region.",
    "May not be taken into a Hold or a Barrow.",
    "Tap this ally to let its party move through {region} without drawing hazard cards.",
    "If its controller's Avatar is in the party, this ally gets +{k} Might.",
    "Tap this ally to turn one hazard creature 90{deg}; it makes no blows this turn.",
]
ITEM_ABILITIES = [
    "Tap this item to cancel one blow against its bearer.",
    "Tap this item to heal its bearer.",
    "Turn this item 90{deg} to give its bearer +{k} Ward against one blow.",
    "Its bearer may tap it to search your play deck for one Region card.",
    "While its bearer is at {site}, the item gives +{k} Sway.",
    "Its bearer cannot be the target of a Spirit attack.",
    "Discard this item if its bearer is wounded by a {ckind} attack.",
    "Only one such item may be borne by a character.",
    "When its bearer moves through {region}, you may draw one additional card.",
    "If the frost track stands at -{cold}{deg} or colder, this item gives no Might.",
]
R_EVENT_EFFECTS = [
    "Cancel one attack against a party at a {sitekind} site.",
    "Untap one character in a party at a Shelter.",
    "Target character heals and untaps.",
    "Cancel one blow against a character; that character cannot untap during your next "
    "untap phase.",
    "Each character in the target party gets +1 Might until the end of the turn.",
    "Draw two cards, then discard one card.",
    "Return one trinket from your discard pile to your hand.",
    "Reduce the peril limit of one moving party by two.",
    "Search your play deck for one Region card and put it in your hand. Shuffle your play "
    "deck.",
    "The party of the target Pathfinder may move to any site in {region} without drawing "
    "hazard cards.",
    "Discard one Lasting event played on a character in your party.",
    "The target faction comes into play at once; no Sway check is needed.",
    "Until the end of the turn, {ckind} attacks against the target party get -2 Might.",
    "Turn one untapped character 90{deg} to cancel a hazard event that targets the party.",
    "If the frost track stands at -{cold}{deg} or colder, cancel one Frost event.",
    "The target {skill} gets +{k} to all Sway checks this turn.",
    "Move the frost track back by {n} steps of 5{deg}.",
    "Each wounded character in the target party may heal if the party is at {site}.",
    "You may take one additional trinket at a site where a relic was taken this turn.",
    "Cancel the effects of one {ckind} attack; the attack counts as defeated.",
]
EVENT_TARGETS = [
    "an untapped {skill}", "a character at a Shelter", "a party moving through {region}",
    "a {people} character", "a wounded character", "a character bearing a relic",
    "a party at {site}",
]
CREATURE_SPECIALS = [
    "Attacker chooses the defending characters.",
    "Each blow that is not cancelled wounds its target and discards one trinket the target "
    "bears.",
    "If this attack is defeated, the defending player gains 1 Renown.",
    "Cannot be cancelled by a Swift event.",
    "Gets +2 Might against a party of more than four characters.",
    "May be played as a second attack against the same party.",
    "Characters wounded by this attack must make a Burden check.",
    "If the frost track stands at -{cold}{deg} or colder, this attack gets one additional "
    "blow.",
    "Each character that defeats a blow may untap.",
    "Playable only if the party is moving to {site}.",
    "A wounded character struck again by this attack is discarded.",
]
H_EVENT_EFFECTS = [
    "Each party moving through a {terrain} region faces one additional creature.",
    "Tap the target character; that character cannot untap until the party reaches a "
    "Shelter.",
    "The peril limit of the target party goes up by {n}.",
    "When the frost track reaches -{cold}{deg}, discard all Lasting events in play.",
    "The target character cannot make Sway checks while this card is in play. Discard it "
    "during the untap phase if the character is at a Shelter.",
    "All {ckind} attacks get +1 Might and one additional blow.",
    "The target party must return to its site of origin.",
    "Discard one trinket of the target character's choice.",
    "The target character makes a Burden check with -2.",
    "Cancel the effects of one Swift event.",
    "Advance the frost track by {n} steps of 5{deg}.",
    "No character may heal at {site} while this card is in play.",
    "The target party's next site phase is skipped unless a Pathfinder taps.",
    "Each Hamlet in {region} counts as a Lair until the end of the turn.",
]
SITE_SPECIALS = [
    "Any attack at this site gets +1 Might for each relic taken here.",
    "Only an Envoy may bring a faction into play here.",
    "When a party enters this site, turn one of its untapped characters 90{deg}.",
    "Heal all wounded characters here at the end of the site phase.",
    "A relic taken here gives its bearer 1 Burden.",
    "Discard this site if the frost track reaches -{cold}{deg}.",
    "Each Lair in {region} counts as a Ruin while this site is in play.",
    "Characters may not play trinkets here.",
    "A party that ends its turn here draws one card.",
    "Guardians here cannot be cancelled.",
]
REGION_SPECIALS = [
    "Parties moving through this region face one additional hazard.",
    "Creatures played here get +1 Might.",
    "Each character moving here must tap unless a Pathfinder is in the party.",
    "Counts as a Deadland region for Undead attacks.",
    "The frost track advances one step (5{deg}) at the end of each turn a party spends "
    "here.",
    "A party may rest here as if at a Shelter once per game.",
    "Drakes may not be played here.",
]
ERRATA_RULINGS = [
    "Ruling: if this card is cancelled, its Renown still counts.",
    "Ruling: the Might bonus does not apply against {ckind} attacks.",
    "Ruling: this card may be played on a character who is already tapped.",
    "Ruling: the effect ends when the party reaches {site}.",
    "Ruling: an Avatar counts as a {skill} for this card.",
    "Ruling: discarding this card does not return it to the play deck.",
    "Ruling: the frost track is measured before this card resolves.",
]


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


# --------------------------------------------------------------------------------------
# Artists

ARTIST_FIRST = [
    "Adela", "Anders", "Bettina", "Calder", "Dagny", "Edwin", "Freya", "Gideon", "Hanne",
    "Ivo", "Jorun", "Kasimir", "Liesel", "Magnus", "Nadia", "Oren", "Petra", "Quentin",
    "Rosalind", "Soren", "Tilde", "Ulrich", "Vera", "Wendel", "Yara", "Zeno", "Ren\u00e9e",
    "Zo\u00eb", "Tom\u00e1s", "Beno\u00eet", "J\u00falia", "S\u00f3lrun", "Ingrid",
    "\u00c9lodie", "\u00d3la", "\u00d4dile", "\u00dbrsel", "L\u00e9on", "M\u00edrja",
    "Ana\u00eblle", "Br\u00edd", "Andr\u00e9s", "No\u00e9mi", "Maren", "Tobias", "Agnes",
    "Hugo", "Linnea", "Casper", "Mira",
]
ARTIST_LAST = [
    "Ashby", "Brannock", "Castell", "Dunmore", "Everett", "Fairweather", "Galloway",
    "Harrow", "Ingleby", "Jessop", "Kettering", "Lindqvist", "Marlowe", "Norrby", "Osgood",
    "Pemberton", "Quayle", "Rothwell", "Sallow", "Thackery", "Underhill", "Vance",
    "Whitlock", "Yardley", "Zeller", "Duch\u00e2tel", "M\u00e4kel", "L\u00eddal",
    "Br\u00fblon", "Varga", "Crane", "Ferr\u00f3s", "Montaig\u00fa", "Delac\u00f4te",
    "S\u00e4vborg", "R\u00e9nier", "Hald\u00f3r", "\u00c9berhart", "\u00d3lafsdal",
    "\u00d4rtal", "\u00dbrbain", "Greaves", "Tamsworth", "Okonedo", "Halloran",
]
# Artists whose names between them hold every accented letter.
FIXED_ARTISTS = [
    LONGEST_ARTIST, SHORTEST_ARTIST, "Tom\u00e1s Duch\u00e2tel", "Zo\u00eb M\u00e4kel",
    "Beno\u00eet L\u00eddal", "J\u00falia Delac\u00f4te", "Ren\u00e9e Br\u00fblon",
    "\u00c9lodie Ferr\u00f3s", "\u00d3la Greaves", "\u00d4dile Sallow", "\u00dbrsel Marlowe",
    "Kasimir Fairweather-Cole",
]


def artist_pool(rng):
    assert all(ARTIST_MIN <= len(a) <= ARTIST_MAX for a in FIXED_ARTISTS)
    artists = list(FIXED_ARTISTS)
    while len(artists) < 140:
        name = rng.choice(ARTIST_FIRST) + " " + rng.choice(ARTIST_LAST)
        if rng.chance(6):
            name += "-" + rng.choice(ARTIST_LAST)
        if len(name) <= ARTIST_MAX and name not in artists:
            artists.append(name)
    head = artists[:2]
    tail = artists[2:]
    rng.shuffle(tail)
    return head + tail


# --------------------------------------------------------------------------------------
# Building the catalogue

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


# --------------------------------------------------------------------------------------
# Checks on the finished data (the C++ tests check the compiled table independently).

def counts(values, size):
    result = [0] * size
    for v in values:
        result[v] += 1
    return result


def verify(records):
    assert len(records) == CARD_COUNT
    assert counts((r["set"] for r in records), 7) == SET_COUNTS
    assert counts((r["type"] for r in records), 9) == TYPE_COUNTS
    assert counts((r["alignment"] for r in records), 6) == ALIGNMENT_COUNTS
    assert counts((r["rarity"] for r in records), 5) == RARITY_COUNTS
    assert sum(1 for r in records if r["errata"]) == ERRATA_COUNT
    allowed = set(ACCENT_FOLD) | {DEGREE}
    for r in records:
        for field in ("name", "artist", "text", "errata"):
            value = r[field]
            for ch in value:
                assert (" " <= ch <= "~") or ch in allowed, (field, value)
            assert DEGREE not in value or field == "text", value
            assert value == "" or value[0] != " ", value
        name = r["name"]
        assert NAME_MIN <= len(name) <= NAME_MAX and name[-1] != " ", name
        assert all(ch.isalpha() or ch in NAME_PUNCTUATION for ch in name), name
        assert ARTIST_MIN <= len(r["artist"]) <= ARTIST_MAX and r["artist"][-1] != " "
        assert TEXT_MIN <= len(r["text"]) <= TEXT_MAX, r["text"]
        assert r["errata"] == "" or ERRATA_MIN <= len(r["errata"]) <= ERRATA_MAX, r["errata"]

    # Stored names: 1468 distinct, 166 twice, 20 three times, equal names adjacent.
    occurrences = {}
    for i, r in enumerate(records):
        occurrences.setdefault(r["name"], []).append(i)
    sizes = counts((len(v) for v in occurrences.values()), 4)
    assert (len(occurrences), sizes[2], sizes[3]) == (1468, 166, 20), (len(occurrences), sizes)
    for indices in occurrences.values():
        assert indices == list(range(indices[0], indices[0] + len(indices)))
    keys = {}
    for r in records:
        keys.setdefault(sort_key(r["name"]), set()).add(r["name"])
    assert len(keys) == 1466
    assert sorted(len(v) for v in keys.values() if len(v) > 1) == [2, 2]

    # Extremes and the characters the order rule has to cope with.
    def lengths(field):
        return [len(r[field]) for r in records if r[field]]
    assert (min(lengths("name")), max(lengths("name"))) == (NAME_MIN, NAME_MAX)
    assert (min(lengths("artist")), max(lengths("artist"))) == (ARTIST_MIN, ARTIST_MAX)
    assert (min(lengths("text")), max(lengths("text"))) == (TEXT_MIN, TEXT_MAX)
    assert (min(lengths("errata")), max(lengths("errata"))) == (ERRATA_MIN, ERRATA_MAX)
    assert any(r["text"].endswith(" ") for r in records)
    assert any("  " in r["text"] for r in records)
    for ch in "-',()!&?":
        assert any(ch in r["name"] for r in records), ch
    for field in ("name", "artist", "text", "errata"):
        found = "".join(ch for ch in ACCENT_FOLD if any(ch in r[field] for r in records))
        assert len(found) == len(ACCENT_FOLD) or field == "errata", (field, found)
        assert found, field
    assert any(DEGREE in r["text"] for r in records)


# --------------------------------------------------------------------------------------
# Writing the C++ table

def c_string(value):
    """Pieces of a C++ string literal's contents, one per source character; bytes above
    127 become 3-digit octal escapes, which never swallow a following character."""
    pieces = []
    previous = None
    for byte in value.encode("cp1252"):
        if byte > 127:
            pieces.append("\\%03o" % byte)
        elif byte in (0x22, 0x5C):
            pieces.append("\\" + chr(byte))
        elif byte == 0x3F and previous == 0x3F:
            pieces.append("\\?")  # never spell a trigraph
        elif 0x20 <= byte < 0x7F:
            pieces.append(chr(byte))
        else:
            raise ValueError("control character in %r" % value)
        previous = byte
    return pieces


def c_literal(value):
    return '"' + "".join(c_string(value)) + '"'


def c_literal_lines(value, indent, width=92):
    """A long string as adjacent literals, one per line, broken after a space where one
    is near the end of the line."""
    lines = []
    current = []
    used = 0
    for piece in c_string(value):
        if used + len(piece) > width:
            cut = len(current)
            for i in range(len(current) - 1, len(current) * 2 // 3, -1):
                if current[i] == " ":
                    cut = i + 1
                    break
            lines.append("".join(current[:cut]))
            current = current[cut:]
            used = sum(len(p) for p in current)
        current.append(piece)
        used += len(piece)
    lines.append("".join(current))
    return [indent + '"' + line + '"' for line in lines]


def render(records):
    out = [
        "// The built-in card catalogue, sorted by name. Generated by tools/gen_catalogue.py;",
        "// edit the generator and run: python3 tools/gen_catalogue.py catalogue/card_table.cpp",
        "// Fields: name, errata, set, type, alignment, cardId, artist, rarity, rarityCode, text.",
        '#include "catalogue/card_record.h"',
        "",
        "const CardRecord CardCatalogue[CardCount] = {",
    ]
    for index, r in enumerate(records):
        if index % 100 == 0:
            out.append("    // %d" % index)
        name = c_literal(r["name"].ljust(NAME_WIDTH))
        rest = "%d, %d, %d, %s, %s, %d, %s," % (
            r["set"], r["type"], r["alignment"], c_literal(r["cardId"]),
            c_literal(r["artist"].ljust(ARTIST_WIDTH)), r["rarity"],
            c_literal(r["code"].ljust(CODE_WIDTH)))
        if r["errata"]:
            out.append("    {%s," % name)
            out += c_literal_lines(r["errata"], "     ")
            out[-1] += ","
            out.append("     " + rest)
        else:
            out.append('    {%s, "", %s' % (name, rest))
        out += c_literal_lines(r["text"], "     ")
        out[-1] += "},"
    out.append("};")
    return "\n".join(out) + "\n"


def generate():
    records = build_records(Rng(SEED))
    verify(records)
    return render(records)


def main():
    parser = argparse.ArgumentParser(description="Write the built-in card catalogue.")
    parser.add_argument("--check", action="store_true",
                        help="compare PATH with the generated table instead of writing it")
    parser.add_argument("path", metavar="PATH", help="the table, catalogue/card_table.cpp")
    args = parser.parse_args()
    content = generate().encode("ascii")
    if args.check:
        try:
            with open(args.path, "rb") as f:
                current = f.read()
        except OSError as error:
            print("%s: %s" % (args.path, error), file=sys.stderr)
            return 1
        if current != content:
            print("%s is out of date; run tools/gen_catalogue.py %s" % (args.path, args.path),
                  file=sys.stderr)
            return 1
        return 0
    with open(args.path, "wb") as f:
        f.write(content)
    return 0


if __name__ == "__main__":
    sys.exit(main())
