// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <map>
#include <string>
#include <type_traits>

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

// Reads the getters of `Url`'s own class and of kaurl::URI.
template <class Url>
UrlState CaptureState(const Url& url) {
    const auto flag = [](bool value) { return std::u16string(value ? u"true" : u"false"); };
    UrlState state = {
        {"IsValid", flag(url.IsValid())},  {"URI::IsValid", flag(url.URI::IsValid())},
        {"URIString", url.GetURIString()}, {"Scheme", url.GetScheme()},
        {"Authority", url.GetAuthority()}, {"UserInfo", url.GetUserInfo()},
        {"Host", url.GetHost()},           {"Port", url.GetPort()},
        {"Path", url.GetPath()},           {"Query", url.GetQuery()},
        {"Fragment", url.GetFragment()},
    };
    if constexpr (std::is_same_v<Url, kamedia::URL>) {
        state["MountPoint"] = url.GetMountPoint();
    }
    if constexpr (std::is_same_v<Url, kamedia::URL> || std::is_same_v<Url, file::URL>) {
        state["FileName"] = url.GetFileName();
        state["FileExtension"] = url.GetFileExtension();
    }
    if constexpr (std::is_same_v<Url, kasynthetic::URL>) {
        state["SyntheticImporterID"] = url.GetSyntheticImporterID();
    }
    if constexpr (std::is_same_v<Url, http::URL>) {
        const std::string port = std::to_string(url.GetPortNumber());
        state["PortNumber"] = std::u16string(port.begin(), port.end());
    }
    return state;
}

// The generic components and the text, without the validity.
inline UrlState CaptureGenericParts(const URI& uri) {
    UrlState state = CaptureState(uri);
    state.erase("IsValid");
    state.erase("URI::IsValid");
    return state;
}

}  // namespace kaurl::test_support
