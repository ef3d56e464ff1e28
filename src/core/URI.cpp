// SPDX-License-Identifier: BSL-1.0
#include "kaurl/URI.h"

#include <utility>

#include "core/CopyAndSwap.h"
#include "core/CreateIfValid.h"
#include "core/PartNames.h"

namespace kaurl {

URI::URI() : valid(false) {}

URI::URI(const UTF16String& text) : valid(false), uriString(text) {
    Parse();
}

URI::URI(const URI& other) = default;

URI::~URI() = default;

URI& URI::operator=(const URI& other) {
    return detail::AssignByCopyAndSwap(*this, other);
}

void URI::swap(URI& other) noexcept {
    std::swap(valid, other.valid);
    uriString.swap(other.uriString);
    parts.swap(other.parts);
}

bool URI::IsValid() const {
    return valid;
}

UTF16String URI::GetURIString() const {
    return uriString;
}
UTF16String URI::GetScheme() const {
    return GetPart(part::kScheme);
}
UTF16String URI::GetAuthority() const {
    return GetPart(part::kAuthority);
}
UTF16String URI::GetUserInfo() const {
    return GetPart(part::kUserInfo);
}
UTF16String URI::GetHost() const {
    return GetPart(part::kHost);
}
UTF16String URI::GetPort() const {
    return GetPart(part::kPort);
}
UTF16String URI::GetPath() const {
    return GetPart(part::kPath);
}
UTF16String URI::GetQuery() const {
    return GetPart(part::kQuery);
}
UTF16String URI::GetFragment() const {
    return GetPart(part::kFragment);
}

UTF16String URI::GetPart(const char* name) const {
    const auto entry = parts.find(name);
    return entry == parts.end() ? UTF16String() : entry->second;
}

void URI::SetPart(const char* name, const UTF16String& value) {
    const auto entry = parts.find(name);
    if (entry == parts.end()) {
        parts.emplace(name, value);
        return;
    }
    // Take the old entry out of the table first, then reuse its node and
    // storage for the new value. Should the copy fail, the node is released
    // with the exception and the name is left without an entry.
    auto node = parts.extract(entry);
    node.mapped() = value;
    parts.insert(std::move(node));
}

void URI::ErasePart(const char* name) {
    parts.erase(name);
}

bool Create(const UTF16String& text, URI& uri) {
    return detail::CreateIfValid(text, uri);
}

bool IsValid(const UTF16String& text) {
    return URI(text).IsValid();
}

}  // namespace kaurl
