// SPDX-License-Identifier: BSL-1.0
// Fuzz target for the relations between URIs. The input is a base, a line
// feed and a reference (without a line feed, the text is both). For any text
// nothing throws; normalization is idempotent; every result reads back with
// the components it was built from, and as an object is the object its text
// constructs; a relative reference resolves to where its target does; and a
// reference resolved against a media URL stays within the URL's mount point.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzSupport.h"
#include "kaurl/Relations.h"
#include "kaurl/kamedia.h"

namespace {

using kaurl::fuzz::Require;
using Text = std::u16string;

// The five components of a URI reference as RFC 3986, Appendix B splits them,
// each with whether it is defined.
struct Components {
    std::optional<Text> scheme;
    std::optional<Text> authority;
    Text path;
    std::optional<Text> query;
    std::optional<Text> fragment;
};

Components Split(const Text& text) {
    Components parts;
    std::size_t at = 0;
    const std::size_t colon = text.find(u':');
    if (colon != 0 && colon != Text::npos && text.find_first_of(u"/?#") > colon) {
        parts.scheme = text.substr(0, colon);
        at = colon + 1;
    }
    if (text.compare(at, 2, u"//") == 0) {
        const std::size_t end = std::min(text.find_first_of(u"/?#", at + 2), text.size());
        parts.authority = text.substr(at + 2, end - at - 2);
        at = end;
    }
    const std::size_t pathEnd = std::min(text.find_first_of(u"?#", at), text.size());
    parts.path = text.substr(at, pathEnd - at);
    at = pathEnd;
    if (at < text.size() && text[at] == u'?') {
        const std::size_t end = std::min(text.find(u'#', at), text.size());
        parts.query = text.substr(at + 1, end - at - 1);
        at = end;
    }
    if (at < text.size()) {
        parts.fragment = text.substr(at + 1);
    }
    return parts;
}

Text Lower(Text text) {
    for (char16_t& unit : text) {
        unit = unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 0x20) : unit;
    }
    return text;
}

bool HasDotSegment(const Text& path) {
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find(u'/', start), path.size());
        const Text segment = path.substr(start, end - start);
        if (segment == u"." || segment == u"..") {
            return true;
        }
        start = end + 1;
    }
    return false;
}

// The path of a target as the dot-segment removal leaves it: no "." or ".."
// segment, but for the "/." put before a path that would read as an authority.
void RequireCleanPath(const Components& target) {
    const bool guarded = !target.authority && target.path.compare(0, 3, u"/./") == 0;
    Require(!HasDotSegment(guarded ? target.path.substr(2) : target.path),
            "a resolved path holds no dot segment");
    Require(!guarded || target.path.compare(2, 2, u"//") == 0,
            "\"/.\" only guards a path that begins with \"//\"");
}

// The target takes each component from the reference or the base, as the
// resolution's steps do.
void CheckResolution(const Text& base, const Text& reference, const Text& target) {
    const Components b = Split(base);
    const Components r = Split(reference);
    const Components t = Split(target);
    Require(t.scheme == (r.scheme ? r.scheme : b.scheme), "the target's scheme");
    Require(t.fragment == r.fragment, "the target's fragment is the reference's");
    if (r.scheme) {
        return;  // strict: the reference itself, less its dot segments
    }
    Require(t.authority == (r.authority ? r.authority : b.authority), "the target's authority");
    if (!r.authority && r.path.empty()) {
        // The base's path as written, dot segments and all.
        Require(t.query == (r.query ? r.query : b.query), "the target's query");
    } else {
        Require(t.query == r.query, "the target's query is the reference's");
        RequireCleanPath(t);
    }
}

void CheckNormalization(const Text& text, kaurl::Normalization level) {
    Text normalized;
    Require(kaurl::Normalize(text, normalized, level), "every text normalizes");
    Text again;
    kaurl::Normalize(normalized, again, level);
    Require(again == normalized, "normalization is idempotent");
    const Components before = Split(text);
    const Components after = Split(normalized);
    Require(
        after.scheme == (before.scheme ? std::optional<Text>(Lower(*before.scheme)) : std::nullopt),
        "the normalized scheme");
    Require(after.authority.has_value() == before.authority.has_value(),
            "the authority stays defined or undefined");
    Require(after.query.has_value() == before.query.has_value() &&
                after.fragment.has_value() == before.fragment.has_value(),
            "query and fragment stay defined or undefined");
}

void CheckRelative(const Text& base, const Text& target) {
    Text reference;
    if (!kaurl::MakeRelative(base, target, reference)) {
        return;
    }
    Require(reference.size() <= target.size(), "the reference is no longer than the target");
    Text viaReference;
    Text viaTarget;
    Require(kaurl::ResolveReference(base, reference, viaReference) &&
                kaurl::ResolveReference(base, target, viaTarget) && viaReference == viaTarget,
            "a relative reference resolves to where its target does");
}

// A reference without scheme or authority stays on the media base's mount
// point: the target has the base's scheme and authority, as written but for
// backslashes, which a media URL reads as slashes; and when the reference has
// a path, no dot segment is left to climb above the mount point's root.
void CheckMedia(const Text& base, const Text& reference) {
    kaurl::kamedia::URL url;
    Text target;
    const Components r = Split(reference);
    if (!kaurl::kamedia::Create(base, url) || r.scheme || r.authority ||
        reference.compare(0, 2, u"\\\\") == 0 || reference.compare(0, 2, u"/\\") == 0 ||
        reference.compare(0, 2, u"\\/") == 0) {
        return;
    }
    Require(kaurl::kamedia::ResolveReference(base, reference, target), "a media base resolves");
    Text slashed = base;
    std::replace(slashed.begin(), slashed.end(), u'\\', u'/');
    const Components b = Split(slashed);
    const Components t = Split(target);
    Require(t.scheme == b.scheme && t.authority == b.authority,
            "a media reference stays on the base's mount point");
    // A reference without path keeps the base's path as written.
    Require(r.path.empty() || !HasDotSegment(t.path),
            "a media target climbs no higher than its mount point");
}

// The object overload builds its result without decomposing the text again.
void CheckObject(const Text& base, const Text& reference, const Text& target,
                 kaurl::ResolutionMode mode) {
    kaurl::URI resolved;
    Require(kaurl::ResolveReference(kaurl::URI(base), reference, resolved, mode),
            "an object resolves where its text does");
    const kaurl::URI constructed(target);
    Require(resolved.IsValid() && constructed.IsValid() && resolved.GetURIString() == target &&
                resolved.GetScheme() == constructed.GetScheme() &&
                resolved.GetAuthority() == constructed.GetAuthority() &&
                resolved.GetUserInfo() == constructed.GetUserInfo() &&
                resolved.GetHost() == constructed.GetHost() &&
                resolved.GetPort() == constructed.GetPort() &&
                resolved.GetPath() == constructed.GetPath() &&
                resolved.GetQuery() == constructed.GetQuery() &&
                resolved.GetFragment() == constructed.GetFragment(),
            "a resolved object is the object its text constructs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Text text = kaurl::fuzz::CodeUnits(data, size);
    const std::size_t lineFeed = text.find(u'\n');
    const Text base = text.substr(0, lineFeed);
    const Text reference = lineFeed == Text::npos ? text : text.substr(lineFeed + 1);

    for (const auto mode : {kaurl::ResolutionMode::Strict, kaurl::ResolutionMode::NonStrict}) {
        Text target;
        if (kaurl::ResolveReference(base, reference, target, mode)) {
            if (mode == kaurl::ResolutionMode::Strict) {
                CheckResolution(base, reference, target);
            }
            CheckNormalization(target, kaurl::Normalization::SyntaxBased);
            CheckObject(base, reference, target, mode);
        }
    }
    for (const Text* input : {&base, &reference}) {
        CheckNormalization(*input, kaurl::Normalization::SyntaxBased);
        CheckNormalization(*input, kaurl::Normalization::SchemeBased);
    }
    CheckRelative(base, reference);
    CheckMedia(base, reference);
    return 0;
}
