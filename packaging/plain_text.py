#!/usr/bin/env python3
"""Writes a Markdown file as plain text a user reads in Notepad: headings underlined,
paragraphs and list items wrapped at 78 columns, tables aligned, links and pictures
named in words, no markup left; CR LF line ends, UTF-8 (with a byte-order mark only
when the text holds a non-ASCII letter, for older Notepads).

    plain_text.py IN.md OUT.txt        Markdown to text (with no pictures in it)
    plain_text.py --pictures-in PAGE IN.md OUT.txt
                                       the same, each picture named as one of PAGE's
                                       (a text cannot hold one, and must not point at a
                                       file that is not shipped)
    plain_text.py --as-is IN OUT.txt   only the line ends (for a text such as the licence)
"""
import re
import sys
import textwrap

WIDTH = 78
pictures_in = None  # the page that shows the pictures, from --pictures-in


def picture(match):
    if pictures_in is None:
        sys.exit(f"plain_text.py: a picture ({match.group(0)}) needs --pictures-in PAGE")
    return f"[Picture in {pictures_in}: {match.group(1)}]"


def inline(text):
    text = re.sub(r"!\[([^\]]*)\]\([^)]*\)", picture, text)
    text = re.sub(r"\[([^\]]+)\]\((https?://[^)]+)\)", r"\1 (\2)", text)
    text = re.sub(r"\[([^\]]+)\]\([^)]*\)", r"\1", text)
    text = re.sub(r"\*\*(.+?)\*\*", r"\1", text)
    text = re.sub(r"(?<![\w*])\*(?!\s)(.+?)(?<!\s)\*(?![\w*])", r"\1", text)
    text = re.sub(r"`([^`]+)`", r"\1", text)
    text = re.sub(r"<br\s*/?>", " ", text)
    return re.sub(r"\\([\\`*_{}\[\]()#+\-.!|<>])", r"\1", text)


def wrap(text, first, rest):
    return textwrap.wrap(text, WIDTH, initial_indent=first, subsequent_indent=rest,
                         break_long_words=False, break_on_hyphens=False) or [first.rstrip()]


def table(rows):
    cells = [[inline(c.strip()) for c in row.strip().strip("|").split("|")] for row in rows]
    cells = [r for r in cells if not all(re.fullmatch(r":?-+:?", c) for c in r)]
    count = max(len(r) for r in cells)
    cells = [r + [""] * (count - len(r)) for r in cells]
    widths = [max(len(r[i]) for r in cells) for i in range(count)]
    if sum(widths) + 2 * (count - 1) <= WIDTH:
        lines = ["  ".join(c.ljust(w) for c, w in zip(r, widths)).rstrip() for r in cells]
        lines.insert(1, "  ".join("-" * w for w in widths))
        return lines
    # Too wide for a row a line: each row becomes an item led by its first cell (with
    # the second when the first is only a number), the other cells below it.
    head, out = cells[0], []
    lead = 2 if count > 2 and all(len(r[0]) <= 4 for r in cells[1:]) else 1
    for r in cells[1:]:
        out += wrap(". ".join(r[:lead]), "* ", "  ")
        rest = list(zip(head[lead:], r[lead:]))
        for name, value in rest:
            if value:
                out += wrap(value if len(rest) == 1 else f"{name}: {value}", "    ", "    ")
    return out


def convert(lines):
    out, para, i = [], [], 0

    def flush():
        if para:
            out.extend(wrap(inline(" ".join(para)), "", ""))
            out.append("")
            para.clear()

    while i < len(lines):
        line = lines[i].rstrip()
        heading = re.match(r"(#{1,6})\s+(.*)", line)
        item = re.match(r"(\s*)([-*+]|\d+\.)\s+(.*)", line)
        if line.startswith("```"):
            flush()
            i += 1
            while i < len(lines) and not lines[i].startswith("```"):
                out.append(("    " + lines[i].rstrip()).rstrip())
                i += 1
            out.append("")
        elif heading:
            flush()
            title = inline(heading.group(2))
            if out and out[-1] != "":
                out.append("")
            out += [title, "=-~~~~"[len(heading.group(1)) - 1] * len(title), ""]
        elif line.startswith("|"):
            flush()
            rows = []
            while i < len(lines) and lines[i].startswith("|"):
                rows.append(lines[i])
                i += 1
            out += table(rows) + [""]
            continue
        elif item:
            flush()
            indent = " " * len(item.group(1))
            bullet = "* " if not item.group(2)[0].isdigit() else item.group(2) + " "
            text = [item.group(3)]
            while i + 1 < len(lines) and lines[i + 1].strip() and re.match(
                    r"\s+(?![-*+]\s|\d+\.\s)", lines[i + 1]):
                i += 1
                text.append(lines[i].strip())
            out += wrap(inline(" ".join(text)), indent + bullet, indent + " " * len(bullet))
            if i + 1 >= len(lines) or not re.match(r"\s*([-*+]|\d+\.)\s", lines[i + 1]):
                out.append("")
        elif not line.strip():
            flush()
        else:
            para.append(line.strip())
        i += 1
    flush()
    while out and out[-1] == "":
        out.pop()
    return out


def main(args):
    global pictures_in
    as_is = args[:1] == ["--as-is"]
    if args[:1] == ["--pictures-in"]:
        pictures_in, args = args[1], args[2:]
    source, target = args[1:] if as_is else args
    with open(source, encoding="utf-8") as f:
        lines = f.read().splitlines()
    text = "\r\n".join(lines if as_is else convert(lines)) + "\r\n"
    bom = "\ufeff" if any(ord(c) > 127 for c in text) else ""
    with open(target, "w", encoding="utf-8", newline="") as f:
        f.write(bom + text)


if __name__ == "__main__":
    main(sys.argv[1:])
