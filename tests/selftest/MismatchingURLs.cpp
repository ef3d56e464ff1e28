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

URI::URI(const UTF16String& text) : valid(false), uriString(text) {}
URI::URI(const URI& other) = default;
URI::~URI() = default;
bool URI::IsValid() const {
    return false;
}
UTF16String URI::GetURIString() const {
    return uriString;
}
UTF16String URI::GetScheme() const {
    return kWrongText;
}
UTF16String URI::GetAuthority() const {
    return kWrongText;
}
UTF16String URI::GetUserInfo() const {
    return kWrongText;
}
UTF16String URI::GetHost() const {
    return kWrongText;
}
UTF16String URI::GetPort() const {
    return kWrongText;
}
UTF16String URI::GetPath() const {
    return kWrongText;
}
UTF16String URI::GetQuery() const {
    return kWrongText;
}
UTF16String URI::GetFragment() const {
    return kWrongText;
}

namespace kamedia {

URL::URL(const UTF16String& text) : URI(text) {}
URL::URL(const URI& other) : URI(other) {}
URL::~URL() = default;
bool URL::IsValid() const {
    return false;
}
UTF16String URL::GetMountPoint() const {
    return kWrongText;
}
UTF16String URL::GetFileName() const {
    return kWrongText;
}
UTF16String URL::GetFileExtension() const {
    return kWrongText;
}
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
