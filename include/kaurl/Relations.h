// SPDX-License-Identifier: BSL-1.0
#pragma once

/// @file
/// Relations between URIs: resolving a reference against a base, normalizing,
/// comparing, making a reference relative, and encoding one component.

#include "kaurl/URI.h"

namespace kaurl {

/// How kaurl::ResolveReference reads a reference that names the base's scheme.
enum class ResolutionMode {
    /// `http:g` is the URI `http:g`, whatever the base: the reading that
    /// RFC 3986 recommends.
    Strict,
    /// `http:g` against a base of the scheme "http" (compared without regard
    /// to ASCII case) reads as `g`, for parsers that keep the older reading.
    NonStrict,
};

/// How far kaurl::Normalize goes.
enum class Normalization {
    /// The generic rules for every URI: case, percent-encoding and dot
    /// segments (@rfc{6.2.2}).
    SyntaxBased,
    /// The generic rules and those of the scheme: default ports of http and
    /// https, `file://localhost/`, the path of a media URL (@rfc{6.2.3}).
    SchemeBased,
};

/// What kaurl::EncodeComponent keeps unencoded.
enum class ComponentEncoding {
    /// Only the unreserved characters: letters, digits, "-", ".", "_", "~".
    Component,
    /// The unreserved characters and "/": a path of several segments.
    Path,
};

/// Resolves `reference` against `base` and stores the target URI's text in
/// `result`. The base is used as written (it is not normalized first) and
/// must have a scheme. An empty reference gives the base without its fragment;
/// an empty query or fragment stays in the result (`?`, `#`). Dot segments
/// are removed; percent-encoded dots and slashes are data.
///
/// - (u"http://a/b/c/d;p?q", u"../g") gives u"http://a/b/g".
/// - (u"foo:a/b", u"../c") gives u"foo:/c": a base without "/" after its
///   scheme merges by the letter of the algorithm.
/// - (u"f:/a", u".//g") gives u"f:/.//g": the "/." keeps "//g" from reading
///   back as an authority.
///
/// @snippet relations.cpp resolve
///
/// @param base The base URI; a text without a scheme is refused.
/// @param reference Any text: a URI, a relative reference, or "".
/// @param result Receives the target's text; untouched on refusal.
/// @param mode How a reference with the base's scheme is read.
/// @return false when the base has no scheme; true otherwise. (Also false
/// when the decomposition's matcher gives up on either text, which no text of
/// a realistic size makes it do.)
/// @par Standard
/// @rfc{5.2} (5.2.2 to 5.2.4) and @rfc{5.3}, as written: the later errata
/// that change the merge or the dot-segment removal are not applied, so every
/// example of @rfc{5.4} gives the RFC's answer. kaurl follows the text where
/// peers differ (one keeps a "." segment in some results, one drops an empty
/// segment in a merge, one merges rootless bases in its own way).
/// The media rule is not applied here; see kaurl::kamedia::ResolveReference.
KAURL_API bool ResolveReference(const UTF16String& base, const UTF16String& reference,
                                UTF16String& result, ResolutionMode mode = ResolutionMode::Strict);

/// Normalizes `text`, a URI or a relative reference, and stores the result in
/// `normalized`. Syntax-based: scheme and host in lower case (ASCII letters
/// only), percent-encoding with upper-case hex digits, encoded unreserved
/// characters decoded (a reserved one such as "%2F" stays), dot segments
/// removed. Scheme-based adds: for http and https a default port (80, 443,
/// also written "080") or an empty port is dropped and an empty path becomes
/// "/"; `file://localhost/` becomes `file:///`; a media URL's path is read
/// as the media rule of kaurl::kamedia::ResolveReference reads it, its mount
/// point kept as written (upper-case hex digits only), so that a URL built by
/// kaurl::kamedia::CreateFromMountPointAndPath normalizes to the same text as
/// its plain form. A synthetic-importer URI gets the syntax-based rules only,
/// so its identifier, a host to RFC 3986, is lowercased.
///
/// - u"HTTP://Example.ORG:80/a/./b/../c%7e" gives u"http://example.org/a/c~".
/// - u"abc/.." gives u"./": a relative reference keeps what it points to
///   against any base with an authority or a path that starts with "/".
///   (Against a base like "foo:a", whose path has no hierarchy, dot segments
///   resolve by the letter: "abc/.." gives "foo:/", "./" gives "foo:".)
/// - u"x/../a:b" gives u"./a:b": a first segment of a relative reference
///   that holds ":" is kept from reading as a scheme.
///
/// @snippet relations.cpp normalize
///
/// @param text The text to normalize.
/// @param normalized Receives the normalized text; untouched on refusal.
/// @param level Syntax-based alone, or with the scheme's rules.
/// @return true: every text, valid URI or not, has a normal form; false only
/// when the decomposition's matcher gives up on the text, which no text of a
/// realistic size makes it do.
/// @par Standard
/// @rfc{6.2.2} and @rfc{6.2.3}. Hosts are lowercased in ASCII only; an IP
/// literal is kept as written apart from case and escapes (it is not
/// compressed or expanded).
KAURL_API bool Normalize(const UTF16String& text, UTF16String& normalized,
                         Normalization level = Normalization::SchemeBased);

/// Whether `first` and `second` normalize to the same text at `level`:
/// u"HTTP://Example.ORG:80/a/./b/../c%7e" and u"http://example.org/a/c~" are
/// equivalent.
///
/// @snippet relations.cpp equivalent
///
/// @param first One text.
/// @param second The other text.
/// @param level The normalization both are compared under.
/// @return Whether the normalized forms are equal, code unit for code unit.
/// @par Standard
/// @rfc{6.2}
KAURL_API bool AreEquivalent(const UTF16String& first, const UTF16String& second,
                             Normalization level = Normalization::SchemeBased);

/// A reference that resolves against `base` to the same text as `target` does.
/// Scheme and authority are compared as written: another scheme gives the
/// target itself, another authority a network-path reference ("//host/...").
/// Among the references that round-trip, the answer has the fewest code units
/// (on a tie, fewer ".." segments); when none is shorter, it is the target.
///
/// - (u"http://a/b/c/d;p?q", u"http://a/b/g") gives u"../g".
/// - (u"http://a/b/c", u"http://a/b/c#f") gives u"#f".
///
/// @snippet relations.cpp relative
///
/// @param base The base URI; a text without a scheme is refused.
/// @param target The URI to point to; a text without a scheme is refused.
/// @param reference Receives the reference; untouched on refusal.
/// @return false when base or target has no scheme; true otherwise.
/// @par Standard
/// The inverse of @rfc{5.2}: kaurl::ResolveReference(base, reference) equals
/// kaurl::ResolveReference(base, target). Every candidate is checked by
/// resolving it, so the answer is exact for any pair, also for a base with dot
/// segments or a rootless path.
KAURL_API bool MakeRelative(const UTF16String& base, const UTF16String& target,
                            UTF16String& reference);

/// Percent-encodes `text` for use as one component: every UTF-8 byte outside
/// the unreserved characters becomes "%" and two upper-case hex digits.
/// For example, u"rock & roll" gives u"rock%20%26%20roll"; with ComponentEncoding::Path,
/// u"a b/c.mxf" gives u"a%20b/c.mxf".
///
/// @snippet relations.cpp encode
///
/// @param text The component's text.
/// @param encoded Receives the encoded text; untouched on refusal.
/// @param kind Whether "/" stays as it is.
/// @return false when `text` holds a lone surrogate, which has no UTF-8 form.
/// @par Standard
/// @rfc{2.1} and @rfc{2.3}
KAURL_API bool EncodeComponent(const UTF16String& text, UTF16String& encoded,
                               ComponentEncoding kind = ComponentEncoding::Component);

/// Decodes every "%" and two hex digits (either case) of `text` and reads the
/// bytes as UTF-8: u"rock%20%26%20roll" gives u"rock & roll". A "+" stays
/// "+".
///
/// @snippet relations.cpp encode
///
/// @param text The encoded text.
/// @param decoded Receives the decoded text; untouched on refusal.
/// @return false for a "%" without two hex digits ("%G1", "100%"), for bytes
/// that are not well-formed UTF-8 ("%FF", the overlong "%C0%AF") and for a
/// lone surrogate in `text`.
/// @par Standard
/// @rfc{2.1}
KAURL_API bool DecodeComponent(const UTF16String& text, UTF16String& decoded);

/// Resolves `reference` against the text of `base` as the text overload does,
/// and assigns the result to `result` when it is a valid URI.
/// @param base The base URI, read from its text.
/// @param reference Any text.
/// @param result Receives the target; untouched on refusal.
/// @param mode How a reference with the base's scheme is read.
/// @return false when the base is not valid; true otherwise.
KAURL_API bool ResolveReference(const URI& base, const UTF16String& reference, URI& result,
                                ResolutionMode mode = ResolutionMode::Strict);

/// Normalizes the text of `uri`, scheme-based, and assigns the result to
/// `normalized` when it is a valid URI.
/// @param uri The URI, read from its text.
/// @param normalized Receives the normalized URI; untouched on refusal.
/// @return false when `uri` is not valid; true otherwise.
KAURL_API bool Normalize(const URI& uri, URI& normalized);

}  // namespace kaurl
