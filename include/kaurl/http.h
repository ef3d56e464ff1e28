// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "kaurl/URI.h"

namespace kaurl::http {

// An "http" or "https" URI whose host uses only ".-0-9a-zA-Z" (an empty host
// is allowed; a bracketed IP literal is not).
class KAURL_API URL : public URI {
public:
    URL();
    explicit URL(const UTF16String& text);
    explicit URL(const URI& other);
    URL(const URL& other);
    ~URL() override;

    // Copy and swap: on failure (std::bad_alloc) the object is unchanged.
    URL& operator=(const URL& other);

    bool IsValid() const override;

    // The port as a number when it is an optional sign and decimal digits
    // within the range of int ("0080" gives 80, "-1" gives -1, "99999" gives
    // 99999); otherwise the default: 80 for http, 443 for https, -1 for any
    // other scheme. Answers for invalid objects too.
    int GetPortNumber() const;

private:
    KAURL_INTERNAL void ParseSchemeParts();
};

// When `text` yields a valid HTTP URL assigns it to `url` and returns true;
// otherwise returns false and leaves `url` untouched.
KAURL_API bool Create(const UTF16String& text, URL& url);

// Whether the scheme of `uri` is "http" or "https"; nothing else is consulted.
KAURL_API bool IsHttpURI(const URI& uri);

}  // namespace kaurl::http
