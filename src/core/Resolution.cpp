// SPDX-License-Identifier: BSL-1.0
// Resolving a reference against a base: RFC 3986, section 5.2, as written.
// The base is used as written, not normalized first. Two later errata would
// change results (the merge of a base with an empty path, and the removal of
// a leading ".." of a rootless path); they are not applied, so every example
// of section 5.4 gives the RFC's own answer.
#include "core/Resolution.h"

#include "core/DotSegments.h"
#include "core/URIBuilder.h"

namespace kaurl {
namespace detail {
namespace {

// Section 5.2.3: the reference's path after the base's path up to its last
// "/", or after "/" when the base has an authority and an empty path. A base
// path without "/" (a rootless "foo:a") gives the reference's path alone.
UTF16String Merge(const ReferenceText& base, TextView path) {
    UTF16String merged;
    if (base.hasAuthority && base.path.empty()) {
        merged = u"/";
    } else {
        const std::size_t slash = base.path.rfind(u'/');
        if (slash != TextView::npos) {
            merged.assign(base.path.data(), slash + 1);
        }
    }
    merged.append(path.data(), path.size());
    return merged;
}

}  // namespace

ReferenceText Resolve(const ReferenceText& base, ReferenceText reference, ResolutionMode mode,
                      UTF16String& text) {
    if (mode == ResolutionMode::NonStrict && reference.hasScheme &&
        EqualIgnoringAsciiCase(reference.scheme, base.scheme)) {
        reference.hasScheme = false;
    }
    ReferenceText target;
    UTF16String path;
    if (reference.hasScheme) {
        target = reference;
        path = RemoveDotSegments(reference.path);
    } else {
        if (reference.hasAuthority) {
            target.hasAuthority = true;
            target.authority = reference.authority;
            path = RemoveDotSegments(reference.path);
            target.hasQuery = reference.hasQuery;
            target.query = reference.query;
        } else {
            if (reference.path.empty()) {
                path.assign(base.path.data(), base.path.size());
                const ReferenceText& withQuery = reference.hasQuery ? reference : base;
                target.hasQuery = withQuery.hasQuery;
                target.query = withQuery.query;
            } else {
                path = RemoveDotSegments(reference.path[0] == u'/' ? reference.path
                                                                   : Merge(base, reference.path));
                target.hasQuery = reference.hasQuery;
                target.query = reference.query;
            }
            target.hasAuthority = base.hasAuthority;
            target.authority = base.authority;
        }
        target.hasScheme = true;
        target.scheme = base.scheme;
    }
    target.hasFragment = reference.hasFragment;
    target.fragment = reference.fragment;
    target.path = path;
    return WriteReference(target, text);
}

UTF16String Resolve(const ReferenceText& base, const ReferenceText& reference,
                    ResolutionMode mode) {
    UTF16String text;
    Resolve(base, reference, mode, text);
    return text;
}

// The result object built from the target's text and its components as the
// resolution wrote them, which are what decomposing the text would find: the
// same object as constructing it from the text, without a second search.
bool URIBuilder::ResolveObject(const URI& base, const UTF16String& reference, URI& result,
                               ResolutionMode mode) {
    if (!base.IsValid()) {
        return false;
    }
    // Read through the getter, which a class may override, as the text
    // overload would be given it.
    const UTF16String baseText = base.GetURIString();
    ReferenceText baseParts;
    ReferenceText referenceParts;
    if (!ReadReference(baseText, baseParts) || !baseParts.hasScheme ||
        !ReadReference(reference, referenceParts)) {
        return false;
    }
    URI target;
    Decompose(target, Resolve(baseParts, referenceParts, mode, target.uriString));
    if (!target.URI::IsValid()) {
        return false;
    }
    result.swap(target);
    return true;
}

}  // namespace detail

bool ResolveReference(const UTF16String& base, const UTF16String& reference, UTF16String& result,
                      ResolutionMode mode) {
    detail::ReferenceText baseParts;
    detail::ReferenceText referenceParts;
    if (!detail::ReadReference(base, baseParts) || !baseParts.hasScheme ||
        !detail::ReadReference(reference, referenceParts)) {
        return false;
    }
    result = detail::Resolve(baseParts, referenceParts, mode);
    return true;
}

bool ResolveReference(const URI& base, const UTF16String& reference, URI& result,
                      ResolutionMode mode) {
    return detail::URIBuilder::ResolveObject(base, reference, result, mode);
}

}  // namespace kaurl
