# SPDX-License-Identifier: BSL-1.0
"""Checks the characters that checked names refuse as invisible or reordering
against Unicode's data: each refused code point must belong to one of the
refused groups, every bidi control, separator, noncharacter and Hangul filler
must be refused, and the marks and joiners that names need must not be.

Usage: InvisibleCharacters.py <program that prints the refused ranges>
"""
import subprocess
import sys
import unicodedata

BIDI_CONTROLS = {"LRE", "RLE", "LRO", "RLO", "PDF", "LRI", "RLI", "FSI", "PDI"}
# Direction marks, joiners and the soft hyphen: names in Hebrew, Arabic,
# Persian and Indic scripts, emoji and copied titles hold them.
KEPT = [0x200E, 0x200F, 0x061C, 0x200C, 0x200D, 0x00AD]


def is_noncharacter(code_point):
    return 0xFDD0 <= code_point <= 0xFDEF or code_point & 0xFFFE == 0xFFFE


def is_hangul_filler(character):
    name = unicodedata.name(character, "")
    return "HANGUL" in name and "FILLER" in name


def group(code_point):
    """The refused group that Unicode's data puts the code point in, or None."""
    character = chr(code_point)
    category = unicodedata.category(character)
    if unicodedata.bidirectional(character) in BIDI_CONTROLS:
        return "bidi control"
    if category in ("Zl", "Zp"):
        return "line or paragraph separator"
    if is_noncharacter(code_point) and category == "Cn":
        return "noncharacter"
    if is_hangul_filler(character):
        return "Hangul filler"
    # Invisible format characters: no glyph and no direction of their own.
    if category == "Cf" and unicodedata.bidirectional(character) == "BN":
        return "invisible format character"
    return None


def refused_set(command):
    output = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    refused = set()
    words = output.split()
    for first, last in zip(words[0::2], words[1::2]):
        refused.update(range(int(first, 16), int(last, 16) + 1))
    return refused


def main():
    refused = refused_set(sys.argv[1:])
    problems = []
    for code_point in sorted(refused):
        if group(code_point) is None:
            problems.append(f"U+{code_point:04X} is refused but in no refused group")
    for code_point in range(0x110000):
        kind = group(code_point)
        if kind not in (None, "invisible format character") and code_point not in refused:
            problems.append(f"U+{code_point:04X} ({kind}) is not refused")
    for code_point in KEPT:
        if code_point in refused:
            problems.append(f"U+{code_point:04X} is refused but names need it")
    for problem in problems:
        print(problem)
    print(f"{len(refused)} code points refused, Unicode {unicodedata.unidata_version}")
    return 1 if problems or not refused else 0


if __name__ == "__main__":
    sys.exit(main())
