# SPDX-License-Identifier: BSL-1.0
"""Fails when a link of the generated API reference leads nowhere.

Every href and src of every HTML page, and every page of the navigation menu
(menudata.js), that names a local file must name one that exists, and a
#fragment must name an id or an anchor of that page.

    ReferenceLinks.py HTML_DIR
"""
import re
import sys
from html.parser import HTMLParser
from pathlib import Path
from urllib.parse import unquote, urlsplit


class Page(HTMLParser):
    """The link targets and the anchors of one HTML page."""

    def __init__(self, text):
        super().__init__(convert_charrefs=True)
        self.links = []
        self.anchors = set()
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if value is None:
                continue
            if name in ("href", "src"):
                self.links.append(value)
            elif name == "id" or (name == "name" and tag == "a"):
                self.anchors.add(value)


def main(html_dir):
    root = Path(html_dir).resolve()
    pages = {}

    def page(path):
        if path not in pages:
            pages[path] = Page(path.read_text(encoding="utf-8"))
        return pages[path]

    sources = [(path, page(path).links) for path in sorted(root.rglob("*.html"))]
    menu = root / "menudata.js"
    if menu.exists():
        sources.append((menu, re.findall(r'url:"([^"]*)"', menu.read_text(encoding="utf-8"))))

    broken = []
    for source, links in sources:
        for link in links:
            parts = urlsplit(link)
            if parts.scheme or parts.netloc:
                continue  # an external link
            target = (source.parent / unquote(parts.path)).resolve() if parts.path else source
            if not target.is_file() or root not in target.parents:
                broken.append(f"{source.relative_to(root)}: {link}: no such file")
            elif parts.fragment and target.suffix == ".html":
                if unquote(parts.fragment) not in page(target).anchors:
                    broken.append(f"{source.relative_to(root)}: {link}: no such anchor")
    print("\n".join(broken) or f"every link of {len(sources)} files resolves")
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
