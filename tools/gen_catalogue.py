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

The work is done by the catalogue_gen package next to this script (see its __init__ for
the modules); this file is only the command line.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from catalogue_gen import generate  # noqa: E402  (needs the path above)


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
