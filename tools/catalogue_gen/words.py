"""Word pools for names (data only; names.py puts them together)."""

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
