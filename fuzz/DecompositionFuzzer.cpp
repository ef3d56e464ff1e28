// SPDX-License-Identifier: BSL-1.0
// Differential fuzz target: kaurl::URI against a reference decomposition made
// of plain character scans, on any sequence of UTF-16 code units.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "kaurl/URI.h"

namespace {

using Text = std::u16string;

struct Components {
    bool valid = false;
    Text scheme, authority, userinfo, host, port, path, query, fragment;
};

bool IsOneOf(char16_t unit, const char16_t* set) {
    return Text(set).find(unit) != Text::npos;
}

// Position of the first unit at or after `from` that is one of `stops`.
std::size_t ScanUntil(const Text& text, std::size_t from, const char16_t* stops) {
    while (from < text.size() && !IsOneOf(text[from], stops)) {
        ++from;
    }
    return from;
}

Text AsciiLowercase(Text text) {
    for (char16_t& unit : text) {
        if (unit >= u'A' && unit <= u'Z') {
            unit = static_cast<char16_t>(unit - u'A' + u'a');
        }
    }
    return text;
}

// "scheme:" when a non-empty run free of ":/?#" ends in ":", then "//" and an
// authority up to "/?#", a path up to "?#", "?" and a query up to "#", and
// "#" with the rest as fragment. The authority splits at the first "@" and
// then at the first ":" after it.
Components ReferenceDecomposition(const Text& text) {
    Components result;
    std::size_t position = 0;
    const std::size_t schemeEnd = ScanUntil(text, 0, u":/?#");
    if (schemeEnd > 0 && schemeEnd < text.size() && text[schemeEnd] == u':') {
        result.scheme = AsciiLowercase(text.substr(0, schemeEnd));
        position = schemeEnd + 1;
    }
    if (text.compare(position, 2, u"//") == 0) {
        const std::size_t authorityEnd = ScanUntil(text, position + 2, u"/?#");
        result.authority = text.substr(position + 2, authorityEnd - position - 2);
        position = authorityEnd;
    }
    const std::size_t pathEnd = ScanUntil(text, position, u"?#");
    result.path = text.substr(position, pathEnd - position);
    position = pathEnd;
    if (position < text.size() && text[position] == u'?') {
        const std::size_t queryEnd = ScanUntil(text, position + 1, u"#");
        result.query = text.substr(position + 1, queryEnd - position - 1);
        position = queryEnd;
    }
    if (position < text.size()) {
        result.fragment = text.substr(position + 1);
    }

    Text hostAndPort = result.authority;
    const std::size_t at = result.authority.find(u'@');
    if (at != Text::npos) {
        result.userinfo = result.authority.substr(0, at);
        hostAndPort = result.authority.substr(at + 1);
    }
    const std::size_t colon = hostAndPort.find(u':');
    if (colon != Text::npos) {
        result.port = hostAndPort.substr(colon + 1);
        hostAndPort.resize(colon);
    }
    result.host = AsciiLowercase(hostAndPort);
    result.valid = !result.scheme.empty();
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kaurl::fuzz::Require;
    const Text text = kaurl::fuzz::CodeUnits(data, size);
    const kaurl::URI uri(text);
    const Components expected = ReferenceDecomposition(text);

    Require(uri.GetURIString() == text, "the text is kept unchanged");
    Require(uri.IsValid() == expected.valid, "validity");
    Require(uri.GetScheme() == expected.scheme, "scheme");
    Require(uri.GetAuthority() == expected.authority, "authority");
    Require(uri.GetUserInfo() == expected.userinfo, "user information");
    Require(uri.GetHost() == expected.host, "host");
    Require(uri.GetPort() == expected.port, "port");
    Require(uri.GetPath() == expected.path, "path");
    Require(uri.GetQuery() == expected.query, "query");
    Require(uri.GetFragment() == expected.fragment, "fragment");
    Require(kaurl::IsValid(text) == expected.valid, "kaurl::IsValid agrees");
    return 0;
}
