// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <map>
#include <string>

#include "kaurl/URI.h"
#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"

// Everything an object of each class answers through its public interface,
// read into one comparable value: two objects "read the same" exactly when
// their captured states are equal.
namespace kaurl::test_support {

using UrlState = std::map<std::string, std::u16string>;

inline std::u16string Flag(bool value) {
    return value ? u"true" : u"false";
}

inline UrlState CaptureState(const URI& uri) {
    return {
        {"IsValid", Flag(uri.IsValid())},  {"URI::IsValid", Flag(uri.URI::IsValid())},
        {"URIString", uri.GetURIString()}, {"Scheme", uri.GetScheme()},
        {"Authority", uri.GetAuthority()}, {"UserInfo", uri.GetUserInfo()},
        {"Host", uri.GetHost()},           {"Port", uri.GetPort()},
        {"Path", uri.GetPath()},           {"Query", uri.GetQuery()},
        {"Fragment", uri.GetFragment()},
    };
}

// The generic components and the text, without the validity.
inline UrlState CaptureGenericParts(const URI& uri) {
    UrlState state = CaptureState(uri);
    state.erase("IsValid");
    state.erase("URI::IsValid");
    return state;
}

inline UrlState CaptureState(const kamedia::URL& url) {
    UrlState state = CaptureState(static_cast<const URI&>(url));
    state["MountPoint"] = url.GetMountPoint();
    state["FileName"] = url.GetFileName();
    state["FileExtension"] = url.GetFileExtension();
    return state;
}

inline UrlState CaptureState(const kasynthetic::URL& url) {
    UrlState state = CaptureState(static_cast<const URI&>(url));
    state["SyntheticImporterID"] = url.GetSyntheticImporterID();
    return state;
}

inline UrlState CaptureState(const file::URL& url) {
    UrlState state = CaptureState(static_cast<const URI&>(url));
    state["FileName"] = url.GetFileName();
    state["FileExtension"] = url.GetFileExtension();
    return state;
}

inline UrlState CaptureState(const http::URL& url) {
    UrlState state = CaptureState(static_cast<const URI&>(url));
    const std::string port = std::to_string(url.GetPortNumber());
    state["PortNumber"] = std::u16string(port.begin(), port.end());
    return state;
}

}  // namespace kaurl::test_support

namespace kaurl::reliability {
using test_support::CaptureState;
using test_support::UrlState;
}  // namespace kaurl::reliability
