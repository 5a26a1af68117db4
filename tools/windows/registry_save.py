"""Prints the saved game Wine's registry holds for the game as JSON: the journal of a save
under way when there is one, which the next start completes, else the values of section
velmora. With the saved game before as BEFORE.json, fails unless it is one whole save: the
one before, or a new one whose day has moved on.

    registry_save.py USER.REG [BEFORE.json]
"""
import json
import re
import sys

GAME = r"[Software\\zentar\\zentar]"
SECTION = r"[Software\\zentar\\zentar\\velmora]"
ESCAPE = re.compile(r'\\(x[0-9a-fA-F]{1,4}|.)')
SIMPLE = {"n": "\n", "r": "\r", "t": "\t", "0": "\0", "\\": "\\", '"': '"'}


def unescape(text):
    def one(match):
        code = match.group(1)
        return chr(int(code[1:], 16)) if code[0] == "x" else SIMPLE.get(code, code)
    return ESCAPE.sub(one, text)


def read(path):
    sections = {}
    current = None
    with open(path, encoding="utf-8", errors="replace") as registry:
        for line in registry:
            line = line.rstrip("\n")
            if line.startswith("["):
                current = sections.setdefault(line[: line.index("]") + 1], {})
            elif current is not None and line.startswith('"'):
                match = re.match(r'"((?:[^"\\]|\\.)*)"="((?:[^"\\]|\\.)*)"$', line)
                if match:
                    current[unescape(match.group(1))] = unescape(match.group(2))
    return sections


sections = read(sys.argv[1])
journal = sections.get(GAME, {}).get("velmora-journal")
save = json.loads(journal) if journal else sections.get(SECTION, {})
print(json.dumps(save, ensure_ascii=False))
if len(sys.argv) > 2:
    with open(sys.argv[2], encoding="utf-8") as file:
        before = json.load(file)
    changed = sorted(k for k in save if save.get(k) != before.get(k))
    if len(save) != 208 or (save.get("day") == before.get("day") and changed):
        sys.exit(f"not one whole save ({len(save)} values, journal: {bool(journal)}): "
                 f"day {before.get('day')} -> {save.get('day')}, changed: {', '.join(changed)}")
