#include "kaurl/http.h"

#include <boost/lexical_cast.hpp>

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

// Built by the first thread that checks a host; others wait for it.
const UTF16String& HostAlphabet() {
    static const UTF16String alphabet =
        AsciiToUTF16(".-0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", 64);
    return alphabet;
}

bool IsHttpScheme(const UTF16String& scheme) {
    return scheme == HttpScheme() || scheme == HttpsScheme();
}

// An empty host passes; any code unit outside the alphabet fails.
bool SatisfiesHostRule(const UTF16String& host) {
    return host.find_first_not_of(HostAlphabet()) == UTF16String::npos;
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
    URL copy(other);
    swap(copy);
    return *this;
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
