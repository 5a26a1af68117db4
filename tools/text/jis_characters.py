#!/usr/bin/env python3
"""The characters a player may give a name, which the game's font shows on every
platform: printable ASCII, the half-width kana of JIS X 0201 and all of JIS X 0208.
Imported by the page's font subsetting; run alone, it writes them as C++ for the game:

    jis_characters.py > src/state/jis_characters.inc
"""

KANJI_FIRST, KANJI_LAST = 0x4E00, 0x9FFF  # CJK Unified Ideographs, kept as a bitmap


def jis_characters():
    chars = {chr(c) for c in range(0x20, 0x7F)} | {chr(c) for c in range(0xFF61, 0xFFA0)}
    for first in range(0xA1, 0xFF):
        for second in range(0xA1, 0xFF):
            try:
                chars.update(bytes((first, second)).decode("euc_jp"))
            except UnicodeDecodeError:
                pass
    return chars


def ranges(codes):
    runs = []
    for code in codes:
        if runs and runs[-1][1] == code - 1:
            runs[-1][1] = code
        else:
            runs.append([code, code])
    return runs


def main():
    codes = sorted(ord(c) for c in jis_characters())
    kanji = [c for c in codes if KANJI_FIRST <= c <= KANJI_LAST]
    words = [0] * ((KANJI_LAST - KANJI_FIRST) // 64 + 1)
    for c in kanji:
        words[(c - KANJI_FIRST) // 64] |= 1 << ((c - KANJI_FIRST) % 64)
    print("// Made by tools/text/jis_characters.py: the characters of a name, as ranges of code")
    print("// points outside the kanji, and a bitmap of the kanji from U+4E00.")
    print("constexpr char16_t kNameRanges[][2] = {")
    runs = [f"{{0x{a:04X}, 0x{b:04X}}}," for a, b in ranges(c for c in codes if c not in kanji)]
    for i in range(0, len(runs), 5):
        print("    " + " ".join(runs[i:i + 5]))
    print("};")
    print("constexpr std::uint64_t kNameKanji[] = {")
    for i in range(0, len(words), 4):
        print("    " + " ".join(f"0x{w:016X}u," for w in words[i:i + 4]))
    print("};")


if __name__ == "__main__":
    main()
