"""Builds the built-in card catalogue; tools/gen_catalogue.py is the command line and
describes how the records come about.

    shape      the fixed shape: widths, length ranges, counts, codes, fixed names and texts
    rng        the deterministic random number generator
    order      the sort key
    words      word pools for names            names   card names, one maker per type
    sentences  sentence pools for texts        texts   card texts and errata
    artists    the artists credited on the cards
    build      the records assembled: cards, sets, names, texts, rarities, errata, ids, order
    checks     checks on the finished records
    emit       the C++ source of the table
"""

from .build import build_records
from .checks import verify
from .emit import render
from .rng import Rng
from .shape import SEED


def generate():
    """The text of catalogue/card_table.cpp."""
    records = build_records(Rng(SEED))
    verify(records)
    return render(records)
