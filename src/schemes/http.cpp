// SPDX-License-Identifier: BSL-1.0
#include "kaurl/http.h"

#include <algorithm>
#include <bitset>

#include <boost/lexical_cast.hpp>

#include "core/AsciiText.h"
#include "core/CopyAndSwap.h"
#include "core/CreateIfValid.h"
#include "core/PartNames.h"
#include "ostracore/Utility.h"

namespace kaurl::http {
namespace {

using detail::AsciiText;

// Built when the library loads and only read afterwards, so that no call
// initialises anything; only the host alphabet below is built on first use.
const UTF16String kHttpScheme = AsciiText("http");
const UTF16String kHttpsScheme = AsciiText("https");

// Membership of the host alphabet over ASCII, so that checking a code unit is
// one lookup instead of a scan. The alphabet is made as UTF-16 text, like every
// other constant, and serves only to fill the table.
class HostAlphabet {
public:
    HostAlphabet() {
        for (const char16_t unit :
             AsciiText(".-0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")) {
            members.set(unit);
        }
    }

    bool Contains(char16_t unit) const { return unit < members.size() && members.test(unit); }

private:
    std::bitset<128> members;
};

// Unlike the load-time constants, built on first use, by the first thread that
// checks a host while any other waits for it: the host relies on the alphabet
// coming into being then, not when the library loads.
const HostAlphabet& TheHostAlphabet() {
    static const HostAlphabet alphabet;
    return alphabet;
}

bool IsHttpScheme(const UTF16String& scheme) {
    return scheme == kHttpScheme || scheme == kHttpsScheme;
}

// An empty host passes; any code unit outside the alphabet fails.
bool SatisfiesHostRule(const UTF16String& host) {
    const HostAlphabet& alphabet = TheHostAlphabet();
    return std::all_of(host.begin(), host.end(),
                       [&alphabet](char16_t unit) { return alphabet.Contains(unit); });
}

// The rule of the class beyond a scheme of any kind: an HTTP scheme and a host
// within the alphabet. The host is read only for an HTTP scheme.
bool SatisfiesSchemeAndHostRule(const URI& url) {
    return IsHttpScheme(url.GetScheme()) && SatisfiesHostRule(url.GetHost());
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
    return URI::IsValid() && SatisfiesSchemeAndHostRule(*this);
}

int URL::GetPortNumber() const {
    const UTF16String port = GetPart(part::kPort);
    if (!port.empty()) {
        try {
            return boost::lexical_cast<int>(ostracore::utility::UTF16to8(port));
        } catch (const boost::bad_lexical_cast&) {
            // Not a number: fall back to the scheme's default port.
        }
    }
    const UTF16String scheme = GetScheme();
    if (scheme == kHttpScheme) {
        return 80;
    }
    if (scheme == kHttpsScheme) {
        return 443;
    }
    return -1;
}

void URL::ParseSchemeParts() {
    if (!SatisfiesSchemeAndHostRule(*this)) {
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
