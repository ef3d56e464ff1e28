// SPDX-License-Identifier: BSL-1.0
// Stand-ins for the URI classes that the self-test checks, for a test that
// builds the self-test without the library. Every getter misses every
// reference value, so every check of the self-test writes its failure line,
// and the substitution gives a path that fails the path assertion. Objects
// keep their text, so failure lines show the text they were built from.
#include "kaurl/URI.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"

namespace kaurl {
namespace {

const UTF16String kWrongText = u"?";

}  // namespace

// A getter that misses every reference value.
#define KAURL_WRONG_GETTER(Class, Getter) \
    UTF16String Class::Getter() const {   \
        return kWrongText;                \
    }

URI::URI(const UTF16String& text) : valid(false), uriString(text) {}
URI::URI(const URI& other) = default;
URI::~URI() = default;
bool URI::IsValid() const {
    return false;
}
UTF16String URI::GetURIString() const {
    return uriString;
}
KAURL_WRONG_GETTER(URI, GetScheme)
KAURL_WRONG_GETTER(URI, GetAuthority)
KAURL_WRONG_GETTER(URI, GetUserInfo)
KAURL_WRONG_GETTER(URI, GetHost)
KAURL_WRONG_GETTER(URI, GetPort)
KAURL_WRONG_GETTER(URI, GetPath)
KAURL_WRONG_GETTER(URI, GetQuery)
KAURL_WRONG_GETTER(URI, GetFragment)

namespace kamedia {

URL::URL(const UTF16String& text) : URI(text) {}
URL::URL(const URI& other) : URI(other) {}
URL::~URL() = default;
bool URL::IsValid() const {
    return false;
}
KAURL_WRONG_GETTER(URL, GetMountPoint)
KAURL_WRONG_GETTER(URL, GetFileName)
KAURL_WRONG_GETTER(URL, GetFileExtension)
UTF16String SubstituteMountPointAndReturnPath(const URL&, const UTF16String&) {
    return kWrongText;
}

}  // namespace kamedia

namespace http {

URL::URL(const UTF16String& text) : URI(text) {}
URL::URL(const URI& other) : URI(other) {}
URL::~URL() = default;
bool URL::IsValid() const {
    return false;
}
int URL::GetPortNumber() const {
    return 0;
}

}  // namespace http
}  // namespace kaurl
