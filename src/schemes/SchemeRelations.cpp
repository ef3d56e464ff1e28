// SPDX-License-Identifier: BSL-1.0
// Resolution and normalization whose result is an object of a scheme class,
// and the media rule of resolution.
#include "core/AsciiText.h"
#include "core/CreateIfValid.h"
#include "core/Resolution.h"
#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"
#include "schemes/MediaPath.h"
#include "schemes/PathText.h"

namespace kaurl {
namespace {

// `resolve` gives the target's text, which then must make a valid object of
// the base's class; otherwise `result` stays as it was.
template <class Url, class Resolve>
bool ResolveToObject(const Url& base, const UTF16String& reference, Url& result,
                     ResolutionMode mode, Resolve resolve) {
    UTF16String target;
    return base.IsValid() && resolve(base.GetURIString(), reference, target, mode) &&
           detail::SwapInIfValid(target, result);
}

template <class Url>
bool NormalizeToObject(const Url& url, Url& normalized) {
    UTF16String text;
    return url.IsValid() && Normalize(url.GetURIString(), text) &&
           detail::SwapInIfValid(text, normalized);
}

bool ResolveText(const UTF16String& base, const UTF16String& reference, UTF16String& result,
                 ResolutionMode mode) {
    return kaurl::ResolveReference(base, reference, result, mode);
}

}  // namespace

namespace kamedia {

bool ResolveReference(const UTF16String& base, const UTF16String& reference, UTF16String& result,
                      ResolutionMode mode) {
    // Backslashes read as slashes in both texts, as Create reads a media URI.
    const UTF16String slash = detail::AsciiText("/");
    const UTF16String backslash = detail::AsciiText("\\");
    UTF16String baseText(base);
    detail::ReplaceAll(baseText, backslash, slash);
    detail::ReferenceText baseParts;
    if (!detail::ReadReference(baseText, baseParts) || !baseParts.hasScheme) {
        return false;
    }
    UTF16String mediaPath;
    if (detail::EqualIgnoringAsciiCase(baseParts.scheme, u"kamedia")) {
        mediaPath = detail::ReadMediaPath(baseParts.path);
        baseParts.path = mediaPath;
    }
    UTF16String referenceText(reference);
    detail::ReplaceAll(referenceText, backslash, slash);
    detail::ReferenceText referenceParts;
    if (!detail::ReadReference(referenceText, referenceParts)) {
        return false;
    }
    result = detail::Resolve(baseParts, referenceParts, mode);
    return true;
}

bool ResolveReference(const URL& base, const UTF16String& reference, URL& result,
                      ResolutionMode mode) {
    return ResolveToObject(
        base, reference, result, mode,
        static_cast<bool (*)(const UTF16String&, const UTF16String&, UTF16String&, ResolutionMode)>(
            ResolveReference));
}

bool Normalize(const URL& url, URL& normalized) {
    return NormalizeToObject(url, normalized);
}

}  // namespace kamedia

namespace kasynthetic {

bool ResolveReference(const URL& base, const UTF16String& reference, URL& result,
                      ResolutionMode mode) {
    return ResolveToObject(base, reference, result, mode, ResolveText);
}

bool Normalize(const URL& url, URL& normalized) {
    return NormalizeToObject(url, normalized);
}

}  // namespace kasynthetic

namespace file {

bool ResolveReference(const URL& base, const UTF16String& reference, URL& result,
                      ResolutionMode mode) {
    return ResolveToObject(base, reference, result, mode, ResolveText);
}

bool Normalize(const URL& url, URL& normalized) {
    return NormalizeToObject(url, normalized);
}

}  // namespace file

namespace http {

bool ResolveReference(const URL& base, const UTF16String& reference, URL& result,
                      ResolutionMode mode) {
    return ResolveToObject(base, reference, result, mode, ResolveText);
}

bool Normalize(const URL& url, URL& normalized) {
    return NormalizeToObject(url, normalized);
}

}  // namespace http

}  // namespace kaurl
