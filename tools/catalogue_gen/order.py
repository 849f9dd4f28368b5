"""Sort order: the key the records are sorted by."""

from .shape import ACCENT_FOLD


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
