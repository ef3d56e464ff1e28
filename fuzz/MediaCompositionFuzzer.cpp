// SPDX-License-Identifier: BSL-1.0
// Fuzz target for composing media URLs from a mount point and a path and
// substituting a local mount path: for well-formed UTF-16 the composition is
// valid exactly when the mount point is non-empty, and the substitution gives
// back the path (separators as backslashes) below the mount path, so every
// encoding is decoded to what it came from.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "support/UrlState.h"

namespace {

using kaurl::fuzz::Require;
using Text = std::u16string;

bool IsSeparator(char16_t unit) {
    return unit == u'/' || unit == u'\\';
}

bool IsUnreservedOrEscape(char16_t unit) {
    return (unit >= u'0' && unit <= u'9') || (unit >= u'a' && unit <= u'z') ||
           (unit >= u'A' && unit <= u'Z') || unit == u'-' || unit == u'_' || unit == u'.' ||
           unit == u'~' || unit == u'%';
}

// The three texts of one run: the first two code units choose where the rest
// is cut into mount point, path and mount path.
struct Pieces {
    Text mountPoint, path, mountPath;
};

Pieces Split(const Text& units) {
    Pieces pieces;
    if (units.size() < 2) {
        return pieces;
    }
    const Text rest = units.substr(2);
    const std::size_t mountPointSize = units[0] % (rest.size() + 1);
    const std::size_t pathSize = units[1] % (rest.size() - mountPointSize + 1);
    pieces.mountPoint = rest.substr(0, mountPointSize);
    pieces.path = rest.substr(mountPointSize, pathSize);
    pieces.mountPath = rest.substr(mountPointSize + pathSize);
    return pieces;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Pieces pieces = Split(kaurl::fuzz::CodeUnits(data, size));
    // The round trip holds for text that UTF-8 can carry: each piece on its
    // own must be well-formed (a cut may split a surrogate pair).
    if (!kaurl::fuzz::IsWellFormedUTF16(pieces.mountPoint) ||
        !kaurl::fuzz::IsWellFormedUTF16(pieces.path) ||
        !kaurl::fuzz::IsWellFormedUTF16(pieces.mountPath)) {
        return 0;
    }
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
