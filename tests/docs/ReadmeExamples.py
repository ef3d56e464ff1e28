#!/usr/bin/env python3
# SPDX-License-Identifier: BSL-1.0
"""Fails when a C++ block of the README is not one of the examples that CTest
builds and runs: the text of an examples/*.cpp file between two lines
"//! [name]", less its common indentation.

    ReadmeExamples.py README.md EXAMPLES-DIRECTORY
"""
import pathlib
import re
import sys
import textwrap

MARKER = r"^[ \t]*//! \[{}\][ \t]*\n"


def snippets(directory):
    for source in sorted(pathlib.Path(directory).glob("*.cpp")):
        text = source.read_text(encoding="utf-8")
        for name in set(re.findall(MARKER.format(r"(\w+)"), text, re.M)):
            yield textwrap.dedent(re.split(MARKER.format(name), text, flags=re.M)[1])


def main(readme, directory):
    blocks = re.findall(r"^```cpp\n(.*?)^```$", pathlib.Path(readme).read_text(encoding="utf-8"),
                        re.M | re.S)
    if not blocks:
        print(f"{readme} shows no C++ example")
        return 1
    known = set(snippets(directory))
    stale = [block for block in blocks if block not in known]
    for block in stale:
        print(f"{readme} shows C++ code that no example in {directory} holds:\n{block}")
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
