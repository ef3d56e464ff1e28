// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "kaurl/URI.h"

namespace kaurl::file {

// A "file" URI. Adds the file name (text after the last "/" of the path) and
// the file extension (text after the last "." of the path), both stored even
// when empty. Valid only for the scheme "file" with a non-empty path:
// u"file:///C:/media/a.mxf" is valid with file name u"a.mxf", extension u"mxf".
class KAURL_API URL : public URI {
public:
    explicit URL(const UTF16String& text);
    explicit URL(const URI& other);
    URL(const URL& other);
    ~URL() override;

    // Copy and swap: on failure (std::bad_alloc) the object is unchanged.
    URL& operator=(const URL& other);

    bool IsValid() const override;

    UTF16String GetFileName() const;
    UTF16String GetFileExtension() const;

private:
    KAURL_INTERNAL void ParseSchemeParts();
};

// When `text` yields a valid file URL assigns it to `url` and returns true;
// otherwise returns false and leaves `url` untouched.
KAURL_API bool Create(const UTF16String& text, URL& url);

// Whether the scheme of `uri` is "file"; validity and path are not consulted.
KAURL_API bool IsFileURI(const URI& uri);

}  // namespace kaurl::file
