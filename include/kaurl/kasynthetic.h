// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "kaurl/URI.h"

namespace kaurl::kasynthetic {

// A synthetic-importer URI: "kasynthetic://" + importer identifier. The
// authority moves into the "instanceID" part (so GetAuthority is empty), kept
// exactly as written. Valid only for the scheme "kasynthetic" with a
// non-empty identifier.
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

    // u"kasynthetic://Importer-7" gives u"Importer-7"; "" when absent.
    UTF16String GetSyntheticImporterID() const;

private:
    KAURL_INTERNAL void ParseSchemeParts();
};

// When `text` yields a valid synthetic-importer URL assigns it to `url` and
// returns true; otherwise returns false and leaves `url` untouched.
KAURL_API bool Create(const UTF16String& text, URL& url);

// Create with u"kasynthetic://" + `identifier`, unescaped. An empty identifier,
// or one that starts with "/", "?" or "#", gives false.
KAURL_API bool CreateFromSyntheticImporterID(const UTF16String& identifier, URL& url);

// Whether the scheme of `uri` is "kasynthetic"; validity is not consulted.
KAURL_API bool IsKASyntheticURI(const URI& uri);

}  // namespace kaurl::kasynthetic
