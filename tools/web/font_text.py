#!/usr/bin/env python3
"""Prints every character the browser's font must hold: those of the game's texts (its
sources and its help pages) and any a player can give a name.

    font_text.py SOURCE_ROOT > characters.txt
"""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "text"))
from jis_characters import jis_characters  # noqa: E402


def game_texts(root):
    chars = set()
    for folder, patterns in (("src", ("*.cpp", "*.h")), ("assets/help", ("*.html", "*.css"))):
        for pattern in patterns:
            for path in (root / folder).rglob(pattern):
                chars.update(path.read_text(encoding="utf-8"))
    return chars


def main():
    root = pathlib.Path(sys.argv[1])
    chars = game_texts(root) | jis_characters()
    sys.stdout.write("".join(sorted(c for c in chars if c.isprintable() or c == "\u3000")))


main()
