// SPDX-License-Identifier: BSL-1.0
// Fuzz target for composing media URLs from a mount point and a path and
// substituting a local mount path: for well-formed UTF-16 the composition is
// valid exactly when the mount point is non-empty, and the substitution gives
// back the path (separators as backslashes) below the mount path, so every
// encoding is decoded to what it came from. The checked local path of the
// composed URL, and of a URL whose path is the raw text, stays below the mount
// path, also as each Windows ANSI code page reads it back, and agrees with the
// substitution wherever both apply.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "MediaPieces.h"
#include "schemes/codepages/CodePageTables.h"
#include "support/UrlState.h"

namespace {

using kaurl::fuzz::Require;
using kaurl::kamedia::LocalPathRefusal;
using kaurl::kamedia::PathSeparator;
using Text = std::u16string;

bool IsSeparator(char16_t unit) {
    return unit == u'/' || unit == u'\\';
}

bool IsControl(char16_t unit) {
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

// Where the characters lie that a checked name may not hold because they are
// invisible or reorder text, and every surrogate (noncharacters end each
// plane). A text without these is compared exactly with the substitution;
// which of them are refused is checked against Unicode's data elsewhere.
bool MayBeInvisible(char16_t unit) {
    return (unit >= 0x1100 && unit <= 0x11FF) || (unit >= 0x2000 && unit <= 0x206F) ||
           unit == 0x3164 || (unit >= 0xD800 && unit <= 0xDFFF) ||
           (unit >= 0xFDD0 && unit <= 0xFDEF) || unit >= 0xFE00;
}

bool IsHexDigit(char16_t unit) {
    return (unit >= u'0' && unit <= u'9') || (unit >= u'a' && unit <= u'f') ||
           (unit >= u'A' && unit <= u'F');
}

bool EscapesAreWellFormed(const Text& text) {
    for (std::size_t i = text.find(u'%'); i != Text::npos; i = text.find(u'%', i + 3)) {
        if (i + 2 >= text.size() || !IsHexDigit(text[i + 1]) || !IsHexDigit(text[i + 2])) {
            return false;
        }
    }
    return true;
}

// Every text between separators, empty ones included.
std::vector<Text> SplitAtSeparators(const Text& text) {
    std::vector<Text> names(1);
    for (const char16_t unit : text) {
        if (IsSeparator(unit)) {
            names.emplace_back();
        } else {
            names.back().push_back(unit);
        }
    }
    return names;
}

bool IsDeviceName(const Text& name) {
    Text stem = name.substr(0, name.find(u'.'));
    while (!stem.empty() && stem.back() == u' ') {
        stem.pop_back();
    }
    for (char16_t& unit : stem) {
        unit = unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - 0x20) : unit;
    }
    for (const Text device : {u"CON", u"PRN", u"AUX", u"NUL", u"CONIN$", u"CONOUT$"}) {
        if (stem == device) {
            return true;
        }
    }
    const Text prefix = stem.substr(0, 3);
    return stem.size() == 4 && (prefix == u"COM" || prefix == u"LPT") &&
           Text(u"0123456789\u00b9\u00b2\u00b3").find(stem[3]) != Text::npos;
}

// A name that Windows reads as a device, a drive, a stream or another name.
bool IsReadAsAnotherName(const Text& name) {
    return name.find(u':') != Text::npos || name.back() == u'.' || name.back() == u' ' ||
           IsDeviceName(name);
}

// The same, or a name that Windows cannot open.
bool IsSpecialToWindows(const Text& name) {
    return name.find_first_of(u"<>\"|?*") != Text::npos || IsReadAsAnotherName(name);
}

// Whether the ANSI code page with bit `page` of the generated tables converts
// every unit of `text`; then `converted` is `text` as the page reads it back,
// each unit that the page converts to an ASCII character or superscript digit
// replaced by it.
bool ConvertWithCodePage(const Text& text, std::uint16_t page, Text& converted) {
    namespace tables = kaurl::detail::codepages;
    converted = text;
    for (char16_t& unit : converted) {
        const auto next = std::upper_bound(
            std::begin(tables::kPageRuns), std::end(tables::kPageRuns), unit,
            [](char16_t value, const tables::PageRun& run) { return value < run.first; });
        if ((std::prev(next)->pages & page) == 0) {
            return false;
        }
        for (const tables::SpecialFit& fit : tables::kSpecialFits) {
            if (fit.codeUnit == unit && (fit.pages & page) != 0) {
                unit = fit.readAs;
                break;
            }
        }
    }
    return true;
}

// Whether no ANSI code page that converts all of `path` turns a name of it into
// "..", a device, a name holding ":" or one ending in "." or a space.
bool KeepsItsNamesInEveryCodePage(const Text& path) {
    for (std::size_t bit = 0; bit < kaurl::detail::codepages::kCodePageCount; ++bit) {
        Text converted;
        if (ConvertWithCodePage(path, static_cast<std::uint16_t>(1U << bit), converted)) {
            const std::vector<Text> names = SplitAtSeparators(converted);
            if (std::any_of(names.begin(), names.end(), [](const Text& name) {
                    return !name.empty() && IsReadAsAnotherName(name);
                })) {
                return false;
            }
        }
    }
    return true;
}

Text WithSlashes(Text text) {
    std::replace(text.begin(), text.end(), u'\\', u'/');
    return text;
}

// Whether the unchecked substitution of `url` below `mountPath` holds none of
// the cases that the checked local path refuses. `below` is its decoded path,
// all separators as backslashes, which has no empty or "." name.
bool IsSafe(const kaurl::kamedia::URL& url, const Text& mountPath, const std::vector<Text>& names,
            const Text& below) {
    return url.IsValid() && EscapesAreWellFormed(url.GetPath()) && !names.empty() &&
           !mountPath.empty() && std::none_of(mountPath.begin(), mountPath.end(), IsControl) &&
           std::none_of(below.begin(), below.end(), IsControl) &&
           std::find(names.begin(), names.end(), u"..") == names.end() &&
           std::none_of(names.begin(), names.end(), IsSpecialToWindows) &&
           std::none_of(names.begin(), names.end(),
                        [](const Text& name) { return name.size() > 255; }) &&

           KeepsItsNamesInEveryCodePage(below);
}

// ResolveLocalPath with each separator: a returned path is the mount path (less
// one trailing separator), the separator and names that are neither "..", nor
// empty, nor hold a control character. With a mount path without "%" and a
// decoded path without "." or empty names (its leading separator aside) or
// characters that may be invisible, it is refused exactly when the
// substitution is unsafe, and otherwise agrees with the substitution once
// separators are made the same. GetDisplayName gives the last name of the
// path that ResolveLocalPath gives, or refuses with its reason.
void CheckLocalPath(const kaurl::kamedia::URL& url, const Text& mountPath) {
    Text mount = mountPath;
    if (!mount.empty() && IsSeparator(mount.back())) {
        mount.pop_back();
    }
    const Text below = kaurl::kamedia::SubstituteMountPointAndReturnPath(url, Text());
    std::vector<Text> names = SplitAtSeparators(below);
    names.erase(names.begin());  // before the leading separator
    const bool comparable = mountPath.find(u'%') == Text::npos &&
                            std::none_of(below.begin(), below.end(), MayBeInvisible) &&
                            std::none_of(names.begin(), names.end(), [](const Text& name) {
                                return name.empty() || name == u".";
                            });
    Text displayName = u"unchanged";
    auto displayRefusal = LocalPathRefusal::InvalidURL;
    const bool named = kaurl::kamedia::GetDisplayName(url, displayName, &displayRefusal);
    Require(named || displayName == u"unchanged", "a refused name leaves the output unchanged");
    for (const PathSeparator separator : {PathSeparator::Slash, PathSeparator::Backslash}) {
        Text local = u"unchanged";
        auto refusal = LocalPathRefusal::InvalidURL;
        bool resolved = kaurl::kamedia::ResolveLocalPath(url, u"/m", local, separator, &refusal);
        Require(resolved == named && (resolved || refusal == displayRefusal) &&
                    (!resolved || local.substr(local.rfind(static_cast<char16_t>(separator)) + 1) ==
                                      displayName),
                "the display name is the last name of the local path");
        local = u"unchanged";
        resolved = kaurl::kamedia::ResolveLocalPath(url, mountPath, local, separator);
        if (!resolved) {
            Require(local == u"unchanged", "a refused local path leaves the output unchanged");
        } else {
            Require(local.size() > mount.size() && local.compare(0, mount.size(), mount) == 0 &&
                        local[mount.size()] == static_cast<char16_t>(separator),
                    "a local path starts with the mount path and the separator");
            const Text rest = local.substr(mount.size() + 1);
            const std::vector<Text> restNames = SplitAtSeparators(rest);
            Require(std::none_of(restNames.begin(), restNames.end(),
                                 [](const Text& name) { return name.empty() || name == u".."; }),
                    "a local path has no '..' or empty name below the mount path");
            Require(std::none_of(rest.begin(), rest.end(), IsControl),
                    "a local path has no control character below the mount path");
            Require(KeepsItsNamesInEveryCodePage(rest),
                    "no ANSI code page turns a name below the mount path into '..', a device, "
                    "':' or a final '.' or space");
        }
        if (comparable) {
            Require(resolved == IsSafe(url, mountPath, names, below),
                    "the local path is refused exactly when the substitution is unsafe");
            Require(!resolved || WithSlashes(local) ==
                                     WithSlashes(kaurl::kamedia::SubstituteMountPointAndReturnPath(
                                         url, mountPath)),
                    "the local path agrees with the substitution");
        }
    }
}

bool IsUnreservedOrEscape(char16_t unit) {
    return (unit >= u'0' && unit <= u'9') || (unit >= u'a' && unit <= u'z') ||
           (unit >= u'A' && unit <= u'Z') || unit == u'-' || unit == u'_' || unit == u'.' ||
           unit == u'~' || unit == u'%';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kaurl::fuzz::MediaPieces pieces =
        kaurl::fuzz::SplitMediaPieces(kaurl::fuzz::CodeUnits(data, size));
    // The round trip holds for text that UTF-8 can carry: each piece on its
    // own must be well-formed (a cut may split a surrogate pair).
    if (!kaurl::fuzz::IsWellFormedUTF16(pieces.mountPoint) ||
        !kaurl::fuzz::IsWellFormedUTF16(pieces.path) ||
        !kaurl::fuzz::IsWellFormedUTF16(pieces.mountPath)) {
        return 0;
    }
    kaurl::kamedia::URL raw;
    kaurl::kamedia::Create(u"kamedia://grid/" + pieces.path, raw);
    CheckLocalPath(raw, pieces.mountPath);

    const auto firstKept = std::find_if_not(pieces.path.begin(), pieces.path.end(), IsSeparator);
    pieces.path.erase(pieces.path.begin(), firstKept);

    kaurl::kamedia::URL url(u"kamedia://previous/a.mxf");
    const auto previous = kaurl::test_support::CaptureState(url);
    const bool created =
        kaurl::kamedia::CreateFromMountPointAndPath(pieces.mountPoint, pieces.path, url);
    if (pieces.mountPoint.empty()) {
        Require(!created, "an empty mount point is rejected");
        Require(kaurl::test_support::CaptureState(url) == previous,
                "a rejected composition leaves the output unchanged");
        return 0;
    }
    Require(created && url.IsValid(), "a non-empty mount point gives a valid URL");
    const Text mountPoint = url.GetMountPoint();
    Require(!mountPoint.empty() &&
                std::all_of(mountPoint.begin(), mountPoint.end(), IsUnreservedOrEscape),
            "the mount point is stored encoded");

    Text expectedBelow = u"\\" + pieces.path;
    std::replace(expectedBelow.begin(), expectedBelow.end(), u'/', u'\\');
    CheckLocalPath(url, pieces.mountPath);
    const Text local = kaurl::kamedia::SubstituteMountPointAndReturnPath(url, pieces.mountPath);
    if (pieces.mountPath.find(u'%') != Text::npos) {
        // The mount path's own escapes are decoded; only the part below it is
        // fixed here.
        Require(
            local.size() >= expectedBelow.size() &&
                local.compare(local.size() - expectedBelow.size(), Text::npos, expectedBelow) == 0,
            "the substituted path ends in the original path");
        return 0;
    }
    Text expectedMount = pieces.mountPath;
    if (!expectedMount.empty() && IsSeparator(expectedMount.back())) {
        expectedMount.pop_back();
    }
    Require(local == expectedMount + expectedBelow,
            "substitution gives the mount path followed by the original path");
    return 0;
}
