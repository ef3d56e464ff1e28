// SPDX-License-Identifier: BSL-1.0
// Relations between URIs: resolving, normalizing, comparing, making relative, encoding.
#undef NDEBUG  // the asserts state what the library returns: keep them in every build
#include <cassert>

#include <kaurl/Relations.h>
#include <kaurl/kamedia.h>

int main() {
    //! [resolve]
    kaurl::UTF16String target;
    bool resolved = kaurl::ResolveReference(u"http://a/b/c/d;p?q", u"../g", target);
    assert(resolved && target == u"http://a/b/g");
    // An empty query stays: "?" is kept, the base's fragment is not.
    resolved = kaurl::ResolveReference(u"http://a/b?q#f", u"?", target);
    assert(resolved && target == u"http://a/b?");
    // A base without a scheme is refused and the result is left as it was.
    resolved = kaurl::ResolveReference(u"/no/scheme", u"g", target);
    assert(!resolved && target == u"http://a/b?");
    //! [resolve]

    //! [media]
    kaurl::UTF16String media;
    // A project file written on Windows refers to its media with backslashes,
    // and a composed base has its separators encoded: both read as "/".
    resolved = kaurl::kamedia::ResolveReference(u"kamedia://grid/projects/show1/edit.xml",
                                                u"..\\media\\a.mxf", media);
    assert(resolved && media == u"kamedia://grid/projects/media/a.mxf");
    resolved = kaurl::kamedia::ResolveReference(
        u"kamedia://wendelgrid/media%2Fstories%2F123%2FABA00.mxf", u"ABA01.mxf", media);
    assert(resolved && media == u"kamedia://wendelgrid/media/stories/123/ABA01.mxf");
    //! [media]

    //! [normalize]
    kaurl::UTF16String normalized;
    kaurl::Normalize(u"HTTP://Example.ORG:80/a/./b/../c%7e", normalized);
    assert(normalized == u"http://example.org/a/c~");
    // Syntax-based normalization keeps the default port.
    kaurl::Normalize(u"HTTP://Example.ORG:80/", normalized, kaurl::Normalization::SyntaxBased);
    assert(normalized == u"http://example.org:80/");
    //! [normalize]

    //! [equivalent]
    assert(kaurl::AreEquivalent(u"http://example.org", u"HTTP://example.org:/"));
    assert(!kaurl::AreEquivalent(u"http://example.org/a%2Fb", u"http://example.org/a/b"));
    //! [equivalent]

    //! [relative]
    kaurl::UTF16String reference;
    kaurl::MakeRelative(u"kamedia://grid/projects/show1/edit.xml",
                        u"kamedia://grid/projects/media/clip%20b.wav", reference);
    assert(reference == u"../media/clip%20b.wav");
    kaurl::MakeRelative(u"http://a/b/c", u"http://other/b/c", reference);
    assert(reference == u"//other/b/c");
    //! [relative]

    //! [encode]
    kaurl::UTF16String query;
    kaurl::EncodeComponent(u"rock & roll", query);
    assert(query == u"rock%20%26%20roll");
    kaurl::UTF16String text;
    bool decoded = kaurl::DecodeComponent(u"rock%20%26%20roll+", text);
    assert(decoded && text == u"rock & roll+");
    decoded = kaurl::DecodeComponent(u"100%", text);  // a malformed escape is refused
    assert(!decoded && text == u"rock & roll+");
    //! [encode]
}
