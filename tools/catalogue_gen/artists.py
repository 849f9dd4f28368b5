"""Artists: the pool of names credited on the cards."""

from .shape import ARTIST_MAX, ARTIST_MIN, LONGEST_ARTIST, SHORTEST_ARTIST

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
