# SPDX-License-Identifier: BSL-1.0
"""Fails when a page of the generated API reference reads badly.

- A brief (the summary in a member list) ends inside a sentence: at the full
  stop of an abbreviation, or followed by a paragraph that goes on in lower
  case.
- A class page documents a public member after a protected one.
- A page repeats the same "Failure" paragraph instead of saying it once.
- The Examples page lists an example without its description.
- A class page of a kaurl namespace does not link every free function of
  that namespace.

    ReferencePages.py HTML_DIR
"""
import html
import re
import sys
from pathlib import Path

ABBREVIATION_AT_END = re.compile(r"\b(i\.e|e\.g|etc|cf|vs|approx)\.$", re.IGNORECASE)
BRIEF = re.compile(r'class="(?:mdescRight|desc)">(.*?)(?:<a href="[^"]*">More\.\.\.</a>|</td>)',
                   re.S)
PARAGRAPH_GOING_ON = re.compile(r'<p>((?:(?!</p>).)*)</p>\s*<p >[a-z]', re.S)
FAILURE = re.compile(r"<dt>Failure</dt><dd>(.*?)</dd>", re.S)
MEMBER = re.compile(r'<div class="memitem">(.*?)<div class="memdoc">', re.S)
EXAMPLE_ENTRY = re.compile(r'<li><a class="el" href="[^"]+-example\.html">[^<]+</a>(.*?)</li>')
FUNCTION = re.compile(r'<td class="memItemRight" valign="bottom"><a class="el" '
                      r'href="((namespace[^"#]+)\.html#[^"]+)">([^<]+)</a> \(')


def text(fragment):
    return " ".join(html.unescape(re.sub(r"<[^>]*>", "", fragment)).split())


def briefs(pages):
    for name, page in pages.items():
        for brief in BRIEF.findall(page):
            if ABBREVIATION_AT_END.search(text(brief)):
                yield f"{name}: a brief ends at an abbreviation: {text(brief)}"
        for brief in PARAGRAPH_GOING_ON.findall(page):
            yield f"{name}: a brief ends inside its sentence: {text(brief)}"


def member_order(pages):
    for name, page in pages.items():
        if not name.startswith("class") or name.endswith("-members.html"):
            continue
        protected = False
        for member in MEMBER.findall(page):
            if 'class="mlabel">protected<' in member:
                protected = True
            elif protected:
                yield f"{name}: a public member is documented after a protected one"
                break


def failure_said_once(pages):
    for name, page in pages.items():
        paragraphs = [text(paragraph) for paragraph in FAILURE.findall(page)]
        for paragraph in sorted({p for p in paragraphs if paragraphs.count(p) > 1}):
            yield f"{name}: the Failure paragraph appears {paragraphs.count(paragraph)} times: " \
                  f"{paragraph}"


def examples_described(pages):
    entries = EXAMPLE_ENTRY.findall(pages.get("examples.html", ""))
    if not entries:
        yield "examples.html lists no example"
    for description in entries:
        if not text(description).strip("-–: "):
            yield "examples.html lists an example without its description"


def free_functions_linked(pages):
    for name, page in pages.items():
        if not name.startswith("namespacekaurl"):
            continue
        functions = {(href, function) for href, base, function in FUNCTION.findall(page)
                     if base + ".html" == name}
        namespace = name[len("namespace"):-len(".html")]
        for class_page in pages:
            if re.fullmatch(rf"class{namespace}_1_1(?:(?!_1_1)[^-.])+\.html", class_page):
                for href, function in sorted(functions):
                    if f'href="{href}"' not in pages[class_page]:
                        yield f"{class_page}: no link to {function} of its namespace"


def main(html_dir):
    pages = {path.name: path.read_text(encoding="utf-8")
             for path in Path(html_dir).glob("*.html")}
    problems = [problem
                for check in (briefs, member_order, failure_said_once, examples_described,
                              free_functions_linked)
                for problem in check(pages)]
    print("\n".join(problems) or f"{len(pages)} pages read well")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
