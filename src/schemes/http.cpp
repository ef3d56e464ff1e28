// SPDX-License-Identifier: BSL-1.0
#include "kaurl/http.h"

#include <algorithm>
#include <bitset>

#include <boost/lexical_cast.hpp>

#include "core/CopyAndSwap.h"
#include "core/CreateIfValid.h"
#include "ostracore/Utility.h"

namespace kaurl::http {
namespace {

using ostracore::utility::AsciiToUTF16;

const UTF16String& HttpScheme() {
    static const UTF16String scheme = AsciiToUTF16("http", 4);
    return scheme;
}

const UTF16String& HttpsScheme() {
    static const UTF16String scheme = AsciiToUTF16("https", 5);
    return scheme;
}

// The host alphabet, with a membership table over ASCII made from it so that
// checking a code unit is one lookup instead of a scan of the alphabet.
class HostAlphabet {
public:
    HostAlphabet()
        : text(AsciiToUTF16(".-0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
                            64)) {
        for (const char16_t unit : text) {
            members.set(unit);
        }
    }

    bool Contains(char16_t unit) const { return unit < members.size() && members.test(unit); }

private:
    UTF16String text;
    std::bitset<128> members;
};

// Built by the first thread that checks a host; others wait for it.
const HostAlphabet& TheHostAlphabet() {
    static const HostAlphabet alphabet;
    return alphabet;
}

bool IsHttpScheme(const UTF16String& scheme) {
    return scheme == HttpScheme() || scheme == HttpsScheme();
}

// An empty host passes; any code unit outside the alphabet fails.
bool SatisfiesHostRule(const UTF16String& host) {
    const HostAlphabet& alphabet = TheHostAlphabet();
    return std::all_of(host.begin(), host.end(),
                       [&alphabet](char16_t unit) { return alphabet.Contains(unit); });
}

}  // namespace

URL::URL() = default;

URL::URL(const UTF16String& text) : URI(text) {
    ParseSchemeParts();
}

URL::URL(const URI& other) : URI(other) {
    ParseSchemeParts();
}

URL::URL(const URL& other) : URI(other) {
    ParseSchemeParts();
}

URL::~URL() = default;

URL& URL::operator=(const URL& other) {
    return detail::AssignByCopyAndSwap(*this, other);
}

bool URL::IsValid() const {
    return URI::IsValid() && IsHttpScheme(GetScheme()) && SatisfiesHostRule(GetHost());
}

int URL::GetPortNumber() const {
    const UTF16String port = GetPart("port");
    if (!port.empty()) {
        try {
            return boost::lexical_cast<int>(ostracore::utility::UTF16to8(port));
        } catch (const boost::bad_lexical_cast&) {
            // Not a number: fall back to the scheme's default port.
        }
    }
    const UTF16String scheme = GetScheme();
    if (scheme == HttpScheme()) {
        return 80;
    }
    if (scheme == HttpsScheme()) {
        return 443;
    }
    return -1;
}

void URL::ParseSchemeParts() {
    if (!IsHttpScheme(GetScheme())) {
        valid = false;
        return;
    }
    if (!SatisfiesHostRule(GetHost())) {
        valid = false;
    }
}

bool Create(const UTF16String& text, URL& url) {
    return detail::CreateIfValid(text, url);
}

bool IsHttpURI(const URI& uri) {
    return IsHttpScheme(uri.GetScheme());
}

}  // namespace kaurl::http
