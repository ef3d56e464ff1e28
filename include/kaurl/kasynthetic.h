// SPDX-License-Identifier: BSL-1.0
#pragma once

/// @file
/// Synthetic-importer URIs ("kasynthetic"): the class kaurl::kasynthetic::URL
/// and its composition from an importer identifier.

#include "kaurl/Relations.h"
#include "kaurl/URI.h"

/// Synthetic-importer URIs, scheme "kasynthetic", which carry the identifier of
/// a synthetic importer.
///
/// @functionfailure
namespace kaurl::kasynthetic {

/// A synthetic-importer URI: "kasynthetic://" + importer identifier. The
/// authority moves into the "instanceID" part (so GetAuthority is empty), kept
/// exactly as written. Valid only for the scheme "kasynthetic" with a
/// non-empty identifier.
///
/// @snippet synthetic.cpp example
///
/// kaurl::kasynthetic::Create makes a URL only from a text that gives a valid
/// one, kaurl::kasynthetic::CreateFromSyntheticImporterID builds one from an
/// importer identifier, and kaurl::kasynthetic::IsKASyntheticURI tells a
/// synthetic-importer URI by its scheme.
///
/// kaurl::kasynthetic::ResolveReference resolves a reference against a URL and
/// kaurl::kasynthetic::Normalize normalizes one, both into synthetic-importer URLs.
///
/// @classfailure
class KAURL_API URL : public URI {
public:
    /// An empty, invalid URL.
    URL();

    /// Decomposes `text` and moves its authority into the identifier.
    /// @param text The URI text.
    explicit URL(const UTF16String& text);

    /// Takes the decomposition of any URI object and adds the identifier,
    /// exactly as the constructor from its text would.
    /// @param other A URI of any class; one of another scheme gives an
    /// invalid URL.
    explicit URL(const URI& other);

    /// Copies the URL.
    /// @param other The URL to copy.
    URL(const URL& other);

    ~URL() override;

    /// Copy and swap: on failure the object is unchanged.
    /// @param other The URL to copy.
    /// @return This object.
    URL& operator=(const URL& other);

    /// Whether the text had a scheme, the scheme is "kasynthetic" and the
    /// identifier is not empty.
    /// @return true for a valid synthetic-importer URL.
    bool IsValid() const override;

    /// u"kasynthetic://Importer-7" gives u"Importer-7"; "" when absent.
    /// @return The part "instanceID": the authority as written, not decoded.
    UTF16String GetSyntheticImporterID() const;

private:
    KAURL_INTERNAL void ParseSchemeParts();
};

/// When `text` yields a valid synthetic-importer URL assigns it to `url` and
/// returns true; otherwise returns false and leaves `url` untouched.
/// @param text The URI text.
/// @param url Receives the URL when it is valid.
/// @return Whether the text gives a valid synthetic-importer URL.
KAURL_API bool Create(const UTF16String& text, URL& url);

/// Create with u"kasynthetic://" + `identifier`, unescaped. An empty identifier,
/// or one that starts with "/", "?" or "#", gives false. Any of these three
/// later in the identifier ends it; the rest becomes path, query or fragment.
/// @param identifier The importer identifier.
/// @param url Receives the URL when it is valid.
/// @return Whether a valid URL was made.
KAURL_API bool CreateFromSyntheticImporterID(const UTF16String& identifier, URL& url);

/// Whether the scheme of `uri` is "kasynthetic"; validity is not consulted.
/// @param uri A URI of any class.
/// @return Whether its scheme is "kasynthetic".
KAURL_API bool IsKASyntheticURI(const URI& uri);

/// Resolves `reference` against the text of `base` as kaurl::ResolveReference
/// does, and assigns the result to `result` when it is a valid synthetic-importer URL.
/// @param base The base URL, read from its text.
/// @param reference Any text.
/// @param result Receives the target; untouched on refusal.
/// @param mode How a reference with the base's scheme is read.
/// @return false, leaving `result` untouched, when the base is not a valid
/// synthetic-importer URL or the result is none.
KAURL_API bool ResolveReference(const URL& base, const UTF16String& reference, URL& result,
                                ResolutionMode mode = ResolutionMode::Strict);

/// Normalizes the text of `url` as kaurl::Normalize does, scheme-based, and
/// assigns the result to `normalized` when it is a valid synthetic-importer URL.
/// @param url The URL, read from its text.
/// @param normalized Receives the normalized URL; untouched on refusal.
/// @return false, leaving `normalized` untouched, when `url` is not a valid
/// synthetic-importer URL.
KAURL_API bool Normalize(const URL& url, URL& normalized);

}  // namespace kaurl::kasynthetic
