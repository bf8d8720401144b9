#!/usr/bin/env python3
"""Prints the UI text of a text id in a language, read from the library's own text table.

Usage: caption.py ID LANG   (ID like 0x503; LANG zh, en or pt)
"""
import pathlib
import re
import sys

COLUMNS = {"zh": 0, "en": 2, "pt": 3}


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in COLUMNS:
        sys.exit("usage: caption.py ID zh|en|pt")
    wanted = int(sys.argv[1], 0)
    table = pathlib.Path(__file__).resolve().parent.parent / "text" / "LangTable.cpp"
    row = re.compile(r'\{\s*(0x[0-9a-fA-F]+)\s*,\s*\{\s*u"((?:[^"\\]|\\.)*)"\s*,\s*u"((?:[^"\\]|\\.)*)"'
                     r'\s*,\s*u"((?:[^"\\]|\\.)*)"\s*,\s*u"((?:[^"\\]|\\.)*)"')
    for match in row.finditer(table.read_text(encoding="utf-8")):
        if int(match.group(1), 16) == wanted:
            print(match.group(2 + COLUMNS[sys.argv[2]]))
            return
    sys.exit("no text 0x%x" % wanted)


if __name__ == "__main__":
    main()
