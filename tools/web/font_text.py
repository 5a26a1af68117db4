#!/usr/bin/env python3
"""Prints every character the browser's font must hold: those of the game's texts (its
sources and its help pages) and any a player can type into a name, JIS X 0208 and the
half-width kana of JIS X 0201 at least, with printable ASCII.

    font_text.py SOURCE_ROOT > characters.txt
"""
import pathlib
import sys


def game_texts(root):
    chars = set()
    for folder, patterns in (("src", ("*.cpp", "*.h")), ("assets/help", ("*.html", "*.css"))):
        for pattern in patterns:
            for path in (root / folder).rglob(pattern):
                chars.update(path.read_text(encoding="utf-8"))
    return chars


def jis_x_0208():
    chars = set()
    for first in range(0xA1, 0xFF):
        for second in range(0xA1, 0xFF):
            try:
                chars.update(bytes((first, second)).decode("euc_jp"))
            except UnicodeDecodeError:
                pass
    return chars


def main():
    root = pathlib.Path(sys.argv[1])
    chars = game_texts(root) | jis_x_0208()
    chars.update(chr(c) for c in range(0x20, 0x7F))
    chars.update(chr(c) for c in range(0xFF61, 0xFFA0))  # half-width kana
    sys.stdout.write("".join(sorted(c for c in chars if c.isprintable() or c == "\u3000")))


main()
