"""Checks on the finished data (the C++ tests check the compiled table independently)."""

from .shape import (
    ACCENT_FOLD, ALIGNMENT_COUNTS, ARTIST_MAX, ARTIST_MIN, CARD_COUNT, DEGREE, ERRATA_COUNT,
    ERRATA_MAX, ERRATA_MIN, NAME_MAX, NAME_MIN, NAME_PUNCTUATION, RARITY_COUNTS, SET_COUNTS,
    TEXT_MAX, TEXT_MIN, TYPE_COUNTS,
)
from .order import sort_key


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
