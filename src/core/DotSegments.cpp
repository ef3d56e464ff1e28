// SPDX-License-Identifier: BSL-1.0
#include "core/DotSegments.h"

#include <algorithm>
#include <vector>

namespace kaurl::detail {
namespace {

bool StartsWith(TextView text, TextView prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Removes the output's last segment and the "/" before it, if any. Every
// unit looked at here is removed, so the whole removal stays linear.
void RemoveLastSegment(UTF16String& output) {
    const std::size_t slash = output.rfind(u'/');
    output.erase(slash == UTF16String::npos ? 0 : slash);
}

}  // namespace

UTF16String RemoveDotSegments(TextView input) {
    UTF16String output;
    output.reserve(input.size());
    // The input buffer shrinks from the front only, so a view whose start
    // moves stands for it; the replacements by "/" keep the "/" in place.
    while (!input.empty()) {
        if (StartsWith(input, u"../")) {  // A
            input.remove_prefix(3);
        } else if (StartsWith(input, u"./")) {
            input.remove_prefix(2);
        } else if (StartsWith(input, u"/./")) {  // B
            input.remove_prefix(2);
        } else if (input == u"/.") {
            input = input.substr(0, 1);
        } else if (StartsWith(input, u"/../")) {  // C
            input.remove_prefix(3);
            RemoveLastSegment(output);
        } else if (input == u"/..") {
            input = input.substr(0, 1);
            RemoveLastSegment(output);
        } else if (input == u"." || input == u"..") {  // D
            input = TextView();
        } else {  // E
            const std::size_t end = input.find(u'/', 1);
            const TextView segment = input.substr(0, end);
            output.append(segment.data(), segment.size());
            input.remove_prefix(segment.size());
        }
    }
    return output;
}

UTF16String RemoveRelativeDotSegments(TextView path) {
    if (path.empty()) {
        return UTF16String();
    }
    std::vector<TextView> segments;
    bool endsAsDirectory = false;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = std::min(path.find(u'/', start), path.size());
        const TextView segment = path.substr(start, slash - start);
        const bool last = slash == path.size();
        if (segment == u".") {
            endsAsDirectory = last;
        } else if (segment == u"..") {
            // A ".." cancels the segment before it, unless that is a ".."
            // too, which climbs above the base and so must stay.
            if (!segments.empty() && segments.back() != u"..") {
                segments.pop_back();
            } else {
                segments.push_back(segment);
            }
            endsAsDirectory = last;
        } else {
            segments.push_back(segment);
        }
        start = slash + 1;
    }
    UTF16String result;
    result.reserve(path.size() + 2);
    if (segments.empty()) {
        if (endsAsDirectory) {
            result = u"./";
        }
        return result;
    }
    if (segments.front().empty() || segments.front().find(u':') != TextView::npos) {
        result = u"./";
    }
    for (std::size_t index = 0; index < segments.size(); ++index) {
        if (index > 0) {
            result += u'/';
        }
        result.append(segments[index].data(), segments[index].size());
    }
    if (endsAsDirectory) {
        result += u'/';
    }
    return result;
}

}  // namespace kaurl::detail
