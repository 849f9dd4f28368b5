#!/usr/bin/env python3
"""Writes the user guide as one HTML page that opens from disk with nothing beside it:
the Markdown converted by Python-Markdown (Debian's python3-markdown) with its tables,
fenced code and heading anchors, each picture embedded as a data: URI, a small style
sheet in the page, and a Content-Security-Policy that lets it load nothing else.

    guide_html.py TITLE IN.md OUT.html

The same input gives the same bytes: the converter is deterministic, pictures are
embedded as they are, and nothing depends on the time or the folder.
"""
import base64
import html
import os
import sys

import markdown
from markdown.treeprocessors import Treeprocessor

PICTURE_TYPES = {".png": "image/png", ".jpg": "image/jpeg", ".jpeg": "image/jpeg",
                 ".gif": "image/gif", ".svg": "image/svg+xml"}

STYLE = """
body { font-family: "Segoe UI", Tahoma, Arial, sans-serif; line-height: 1.45;
       max-width: 52em; margin: 1em auto; padding: 0 1em; color: #1b1b1b; }
h1, h2, h3 { line-height: 1.2; }
h2 { border-bottom: 1px solid #ccc; padding-bottom: .2em; margin-top: 1.8em; }
table { border-collapse: collapse; margin: .8em 0; }
th, td { border: 1px solid #bbb; padding: .25em .5em; text-align: left; vertical-align: top; }
th { background: #eee; }
code, pre { font-family: Consolas, "Courier New", monospace; background: #f3f3f3; }
pre { padding: .6em .8em; overflow-x: auto; }
td code { white-space: nowrap; }
img { max-width: 100%; height: auto; }
"""


class EmbeddedPictures(Treeprocessor):
    """Replaces each picture's file name by its bytes as a data: URI."""

    def __init__(self, md, folder):
        super().__init__(md)
        self.folder = folder

    def run(self, root):
        for img in root.iter("img"):
            name = img.get("src")
            kind = PICTURE_TYPES.get(os.path.splitext(name)[1].lower())
            if kind is None or "://" in name:
                raise SystemExit(f"guide_html.py: cannot embed the picture {name}")
            with open(os.path.join(self.folder, name), "rb") as f:
                data = base64.b64encode(f.read()).decode("ascii")
            img.set("src", f"data:{kind};base64,{data}")


def page(title, source):
    with open(source, encoding="utf-8") as f:
        text = f.read()
    md = markdown.Markdown(extensions=["tables", "fenced_code", "toc"],
                           output_format="html")
    md.treeprocessors.register(
        EmbeddedPictures(md, os.path.dirname(os.path.abspath(source))), "embedded_pictures", 0)
    body = md.convert(text)
    return ("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
            "img-src data:; style-src 'unsafe-inline'\">\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
            f"<title>{html.escape(title)}</title>\n<style>{STYLE}</style>\n</head>\n"
            f"<body>\n{body}\n</body>\n</html>\n")


def main(args):
    if len(args) != 3:
        raise SystemExit("usage: guide_html.py TITLE IN.md OUT.html")
    title, source, target = args
    with open(target, "w", encoding="utf-8", newline="\n") as f:
        f.write(page(title, source))


if __name__ == "__main__":
    main(sys.argv[1:])
