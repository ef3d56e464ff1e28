// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <map>
#include <string>

#include "kaurl/Export.h"
#include "ostracore/Strings.h"

namespace kaurl {

using ostracore::UTF16String;

// A URI text decomposed into the generic components of RFC 3986.
//
// The object keeps the text exactly as given, whether it is a valid URI (one
// with a scheme), and a table of named components filled once at construction.
// Scheme and host are stored in lower case; nothing is percent-decoded.
//
//   kaurl::URI uri(u"http://joe@MyHost:8080/a/b?x=1#top");
//   uri.IsValid();     // true
//   uri.GetHost();     // u"myhost"
//   uri.GetUserInfo(); // u"joe"
//
// Malformed text never throws: it gives an invalid object whose getters return
// what the decomposition found. Only allocation failures propagate
// (std::bad_alloc). Getters return copies; a missing component reads as "".
class KAURL_API URI {
public:
    URI();
    explicit URI(const UTF16String& text);
    URI(const URI& other);
    virtual ~URI();

    // Copy and swap: on failure (std::bad_alloc) the object is unchanged.
    // Replaces the whole part table; the dynamic type never changes.
    URI& operator=(const URI& other);

    // Exchanges validity, text and part table. Allocates nothing, cannot fail.
    void swap(URI& other) noexcept;

    virtual bool IsValid() const;
    virtual UTF16String GetURIString() const;
    virtual UTF16String GetScheme() const;
    virtual UTF16String GetAuthority() const;
    virtual UTF16String GetUserInfo() const;
    virtual UTF16String GetHost() const;
    virtual UTF16String GetPort() const;
    virtual UTF16String GetPath() const;
    virtual UTF16String GetQuery() const;
    virtual UTF16String GetFragment() const;

protected:
    // The value stored under `name`, or "" when there is no entry.
    UTF16String GetPart(const char* name) const;
    // Replaces any entry under `name`; an empty value still makes an entry.
    void SetPart(const char* name, const UTF16String& value);
    // Removes the entry under `name`, if any.
    void ErasePart(const char* name);

    bool valid;

private:
    KAURL_INTERNAL void Parse();

    UTF16String uriString;
    std::map<std::string, UTF16String> parts;
};

// Decomposes `text`; when it is a valid URI assigns the result to `uri`
// (generic parts only, also for a scheme URL object) and returns true.
// Otherwise returns false and leaves `uri` untouched.
KAURL_API bool Create(const UTF16String& text, URI& uri);

// Whether `text` is a valid URI, i.e. has a scheme: true for u"a:",
// false for u"" and u"relative/path".
KAURL_API bool IsValid(const UTF16String& text);

}  // namespace kaurl
