// SPDX-License-Identifier: BSL-1.0
// Making a reference relative: the shortest text that resolves against the
// base to what the target resolves to. Candidates are built from the target
// and from the directories that base and target share, and each is checked by
// resolving it, so the answer is exact whatever the base's path holds (dot
// segments, a rootless path) at a few resolutions' cost.
#include <algorithm>

#include "core/DotSegments.h"
#include "core/Resolution.h"

namespace kaurl {
namespace {

using detail::ReferenceText;
using detail::TextView;

// The ".." segments of a reference's path, for the tie between two answers of
// the same length.
std::size_t CountParentSegments(TextView reference) {
    const TextView path = reference.substr(0, reference.find_first_of(u"?#"));
    std::size_t count = 0;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = std::min(path.find(u'/', start), path.size());
        count += path.substr(start, slash - start) == u"..";
        start = slash + 1;
    }
    return count;
}

// The query and fragment of `parts` as written, with their delimiters.
UTF16String QueryAndFragment(const ReferenceText& parts) {
    UTF16String text;
    if (parts.hasQuery) {
        text += u'?';
        text.append(parts.query.data(), parts.query.size());
    }
    if (parts.hasFragment) {
        text += u'#';
        text.append(parts.fragment.data(), parts.fragment.size());
    }
    return text;
}

// A relative path from the directory `directory` (which ends in "/" after
// its dot segments are removed) to `path`: one ".." for each directory of
// `directory` below their common part, then the rest of `path`. "./" keeps a
// first segment with ":" or an empty one from reading otherwise.
UTF16String RelativePath(TextView directory, TextView path) {
    std::size_t common = 0;
    for (std::size_t index = 0; index < directory.size() && index < path.size(); ++index) {
        if (directory[index] != path[index]) {
            break;
        }
        if (directory[index] == u'/') {
            common = index + 1;
        }
    }
    const auto ups = static_cast<std::size_t>(
        std::count(directory.begin() + static_cast<std::ptrdiff_t>(common), directory.end(), u'/'));
    const TextView rest = path.substr(common);
    UTF16String relative;
    for (std::size_t up = 0; up < ups; ++up) {
        relative += up == 0 ? u".." : u"/..";
    }
    if (rest.empty()) {
        return relative.empty() ? UTF16String(u".") : relative;
    }
    if (!relative.empty()) {
        relative += u'/';
    } else if (rest[0] == u'/' || rest.substr(0, rest.find(u'/')).find(u':') != TextView::npos) {
        relative = u"./";
    }
    relative.append(rest.data(), rest.size());
    return relative;
}

}  // namespace

bool MakeRelative(const UTF16String& base, const UTF16String& target, UTF16String& reference) {
    ReferenceText baseParts;
    ReferenceText targetParts;
    if (!detail::ReadReference(base, baseParts) || !baseParts.hasScheme ||
        !detail::ReadReference(target, targetParts) || !targetParts.hasScheme) {
        return false;
    }
    const ResolutionMode strict = ResolutionMode::Strict;
    const UTF16String goal = detail::Resolve(baseParts, targetParts, strict);
    UTF16String best = target;
    const auto consider = [&](UTF16String candidate) {
        if (candidate.size() > best.size()) {
            return;
        }
        ReferenceText candidateParts;
        if (!detail::ReadReference(candidate, candidateParts) ||
            detail::Resolve(baseParts, candidateParts, strict) != goal) {
            return;
        }
        if (candidate.size() < best.size() ||
            (candidate.size() == best.size() &&
             CountParentSegments(candidate) < CountParentSegments(best))) {
            best = std::move(candidate);
        }
    };
    if (targetParts.scheme == baseParts.scheme) {
        consider(target.substr(targetParts.scheme.size() + 1));
        if (targetParts.hasAuthority == baseParts.hasAuthority &&
            targetParts.authority == baseParts.authority) {
            const UTF16String suffix = QueryAndFragment(targetParts);
            UTF16String fragment;
            if (targetParts.hasFragment) {
                fragment = u'#';
                fragment.append(targetParts.fragment.data(), targetParts.fragment.size());
            }
            consider(fragment);
            consider(suffix);
            const UTF16String path = detail::RemoveDotSegments(targetParts.path);
            consider(path + suffix);
            // The base's directory as resolution sees it: the dot segments of
            // a merge are removed with the base's path.
            ReferenceText segment;
            segment.path = u"x";
            const UTF16String directory = detail::Resolve(baseParts, segment, strict);
            ReferenceText directoryParts;
            if (detail::ReadReference(directory, directoryParts)) {
                const TextView directoryPath =
                    directoryParts.path.substr(0, directoryParts.path.size() - 1);
                consider(RelativePath(directoryPath, path) + suffix);
            }
        }
    }
    reference = std::move(best);
    return true;
}

}  // namespace kaurl
