// SPDX-License-Identifier: BSL-1.0
// Normalization (RFC 3986, section 6.2.2, and with the scheme's rules 6.2.3)
// and the equivalence of two texts under it.
#include <algorithm>

#include "core/CreateIfValid.h"
#include "core/DotSegments.h"
#include "core/EscapeNormalization.h"
#include "kaurl/Relations.h"
#include "schemes/MediaPath.h"

namespace kaurl {
namespace {

using detail::Escapes;
using detail::NormalizeEscapes;
using detail::TextView;

// Which scheme rules apply to a text.
enum class SchemeRules { None, Http, Https, File, Media };

SchemeRules RulesFor(TextView scheme, Normalization level) {
    if (level == Normalization::SyntaxBased) {
        return SchemeRules::None;
    }
    if (scheme == u"http") {
        return SchemeRules::Http;
    }
    if (scheme == u"https") {
        return SchemeRules::Https;
    }
    if (scheme == u"file") {
        return SchemeRules::File;
    }
    return scheme == u"kamedia" ? SchemeRules::Media : SchemeRules::None;
}

// Whether `port` is ASCII digits only whose value is the scheme's default
// port ("80", "080" for http); an empty port is dropped as well.
bool IsDroppedPort(TextView port, SchemeRules rules) {
    if (rules != SchemeRules::Http && rules != SchemeRules::Https) {
        return false;
    }
    if (!std::all_of(port.begin(), port.end(),
                     [](char16_t unit) { return unit >= u'0' && unit <= u'9'; })) {
        return false;
    }
    const std::size_t digits = port.find_first_not_of(u'0');
    const TextView value = digits == TextView::npos ? TextView() : port.substr(digits);
    return port.empty() || value == (rules == SchemeRules::Http ? u"80" : u"443");
}

UTF16String NormalizeAuthority(TextView authority, SchemeRules rules) {
    if (rules == SchemeRules::Media) {
        // The mount point is a name kept as written.
        return NormalizeEscapes(authority, Escapes::Uppercase, false);
    }
    const detail::AuthorityText parts = detail::SplitAuthority(authority);
    UTF16String normalized;
    if (parts.hasUserInfo) {
        normalized = NormalizeEscapes(parts.userInfo, Escapes::DecodeUnreserved, false);
        normalized += u'@';
    }
    normalized += NormalizeEscapes(parts.host, Escapes::DecodeUnreserved, true);
    if (parts.hasPort && !IsDroppedPort(parts.port, rules)) {
        normalized += u':';
        normalized.append(parts.port.data(), parts.port.size());
    }
    if (rules == SchemeRules::File && normalized == u"localhost") {
        normalized.clear();
    }
    return normalized;
}

UTF16String NormalizePath(const detail::ReferenceText& parts, SchemeRules rules) {
    const UTF16String path = NormalizeEscapes(
        rules == SchemeRules::Media ? TextView(detail::ReadMediaPath(parts.path)) : parts.path,
        Escapes::DecodeUnreserved, false);
    if (!parts.hasScheme && !parts.hasAuthority && (path.empty() || path[0] != u'/')) {
        return detail::RemoveRelativeDotSegments(path);
    }
    UTF16String withoutDots = detail::RemoveDotSegments(path);
    if (withoutDots.empty() && parts.hasAuthority &&
        (rules == SchemeRules::Http || rules == SchemeRules::Https)) {
        withoutDots.push_back(u'/');
    }
    return withoutDots;
}

}  // namespace

bool Normalize(const UTF16String& text, UTF16String& normalized, Normalization level) {
    detail::ReferenceText parts;
    if (!detail::ReadReference(text, parts)) {
        return false;
    }
    UTF16String scheme(parts.scheme);
    std::transform(scheme.begin(), scheme.end(), scheme.begin(), detail::LowercaseAscii);
    const SchemeRules rules = RulesFor(scheme, level);
    const UTF16String authority = NormalizeAuthority(parts.authority, rules);
    const UTF16String path = NormalizePath(parts, rules);
    const UTF16String query = NormalizeEscapes(parts.query, Escapes::DecodeUnreserved, false);
    const UTF16String fragment = NormalizeEscapes(parts.fragment, Escapes::DecodeUnreserved, false);
    parts.scheme = scheme;
    parts.authority = authority;
    parts.path = path;
    parts.query = query;
    parts.fragment = fragment;
    normalized = detail::WriteReference(parts);
    return true;
}

bool AreEquivalent(const UTF16String& first, const UTF16String& second, Normalization level) {
    UTF16String normalizedFirst;
    UTF16String normalizedSecond;
    return Normalize(first, normalizedFirst, level) && Normalize(second, normalizedSecond, level) &&
           normalizedFirst == normalizedSecond;
}

bool Normalize(const URI& uri, URI& normalized) {
    UTF16String text;
    return uri.IsValid() && Normalize(uri.GetURIString(), text) &&
           detail::SwapInIfValid(text, normalized);
}

}  // namespace kaurl
