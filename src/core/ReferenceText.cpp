// SPDX-License-Identifier: BSL-1.0
#include "core/ReferenceText.h"

#include <algorithm>

#include <boost/regex.hpp>

#include "core/DecompositionExpression.h"

namespace kaurl::detail {
namespace {

using Iterator = UTF16String::const_iterator;

TextView Slice(const UTF16String& text, const boost::sub_match<Iterator>& group) {
    return TextView(text.data() + (group.first - text.cbegin()),
                    static_cast<std::size_t>(group.second - group.first));
}

void Append(UTF16String& text, char16_t unit, TextView component) {
    text += unit;
    text.append(component.data(), component.size());
}

}  // namespace

bool ReadReference(const UTF16String& text, ReferenceText& parts) {
    boost::match_results<Iterator> match;
    try {
        if (!boost::regex_search(text.cbegin(), text.cend(), match,
                                 CompiledDecompositionExpression(),
                                 boost::regex_constants::match_default)) {
            return false;
        }
    } catch (const boost::regex_error&) {
        return false;
    }
    // Whether a group took part, not whether it matched text: "s:p?" has an
    // empty query.
    parts.hasScheme = match[kSchemeGroup].matched;
    parts.hasAuthority = match[kAuthorityGroup].matched;
    parts.hasQuery = match[kQueryGroup].matched;
    parts.hasFragment = match[kFragmentGroup].matched;
    parts.scheme = Slice(text, match[kSchemeGroup]);
    parts.authority = Slice(text, match[kAuthorityGroup]);
    parts.path = Slice(text, match[kPathGroup]);
    parts.query = Slice(text, match[kQueryGroup]);
    parts.fragment = Slice(text, match[kFragmentGroup]);
    return true;
}

UTF16String WriteReference(const ReferenceText& parts) {
    UTF16String text;
    WriteReference(parts, text);
    return text;
}

ReferenceText WriteReference(const ReferenceText& parts, UTF16String& text) {
    text.clear();
    text.reserve(parts.scheme.size() + parts.authority.size() + parts.path.size() +
                 parts.query.size() + parts.fragment.size() + 7);
    if (parts.hasScheme) {
        text.append(parts.scheme.data(), parts.scheme.size());
        text += u':';
    }
    if (parts.hasAuthority) {
        text += u"//";
        text.append(parts.authority.data(), parts.authority.size());
    }
    const std::size_t pathStart = text.size();
    if (!parts.hasAuthority && parts.path.size() >= 2 && parts.path[0] == u'/' &&
        parts.path[1] == u'/') {
        text += u"/.";
    }
    text.append(parts.path.data(), parts.path.size());
    const std::size_t pathEnd = text.size();
    if (parts.hasQuery) {
        Append(text, u'?', parts.query);
    }
    if (parts.hasFragment) {
        Append(text, u'#', parts.fragment);
    }
    // The path as written, "/." included; the other components are written
    // exactly as given.
    ReferenceText written = parts;
    written.path = TextView(text.data() + pathStart, pathEnd - pathStart);
    return written;
}

AuthorityText SplitAuthority(TextView authority) {
    AuthorityText parts;
    TextView rest = authority;
    const std::size_t at = rest.find(u'@');
    if (at != TextView::npos) {
        parts.hasUserInfo = true;
        parts.userInfo = rest.substr(0, at);
        rest.remove_prefix(at + 1);
    }
    // An IP literal ends at its "]"; the port's ":" comes after it.
    std::size_t searchFrom = 0;
    if (!rest.empty() && rest[0] == u'[') {
        const std::size_t close = rest.find(u']');
        searchFrom = close == TextView::npos ? rest.size() : close + 1;
    }
    const std::size_t colon = rest.find(u':', searchFrom);
    parts.host = rest.substr(0, colon);
    if (colon != TextView::npos) {
        parts.hasPort = true;
        parts.port = rest.substr(colon + 1);
    }
    return parts;
}

char16_t LowercaseAscii(char16_t unit) {
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

bool EqualIgnoringAsciiCase(TextView first, TextView second) {
    return first.size() == second.size() &&
           std::equal(first.begin(), first.end(), second.begin(), [](char16_t a, char16_t b) {
               return LowercaseAscii(a) == LowercaseAscii(b);
           });
}

}  // namespace kaurl::detail
