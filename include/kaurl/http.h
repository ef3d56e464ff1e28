// SPDX-License-Identifier: BSL-1.0
#pragma once

/// @file
/// HTTP URIs ("http" and "https"): the class kaurl::http::URL.

#include "kaurl/Relations.h"
#include "kaurl/URI.h"

/// HTTP URIs, schemes "http" and "https".
///
/// @functionfailure
namespace kaurl::http {

/// An "http" or "https" URI whose host uses only ".-0-9a-zA-Z" (an empty host
/// is allowed; a bracketed IP literal is not).
///
/// @snippet http.cpp example
///
/// kaurl::http::Create makes a URL only from a text that gives a valid one;
/// kaurl::http::IsHttpURI tells an HTTP URI by its scheme.
///
/// kaurl::http::ResolveReference resolves a reference against a URL and
/// kaurl::http::Normalize normalizes one, both into HTTP URLs.
///
/// @classfailure
///
/// @par Standard
/// The host is a registered name of @rfc{3.2.2} limited to letters, digits,
/// "." and "-"; the default ports are those of
/// <a href="https://www.rfc-editor.org/rfc/rfc9110#section-4.2">RFC 9110,
/// section 4.2</a>.
class KAURL_API URL : public URI {
public:
    /// An empty, invalid URL.
    URL();

    /// Decomposes `text` and checks scheme and host.
    /// @param text The URI text.
    explicit URL(const UTF16String& text);

    /// Takes the decomposition of any URI object and checks scheme and host,
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

    /// Whether the text had a scheme, the scheme is "http" or "https" and the
    /// host uses only the host alphabet.
    /// @return true for a valid HTTP URL.
    bool IsValid() const override;

    /// The port as a number when it is an optional sign and decimal digits
    /// within the range of int ("0080" gives 80, "-1" gives -1, "99999" gives
    /// 99999); otherwise the default: 80 for http, 443 for https, -1 for any
    /// other scheme. Answers for invalid objects too.
    /// @return The port number.
    /// @par Standard
    /// @rfc{3.2.3}; no check against the range of TCP ports.
    int GetPortNumber() const;

private:
    KAURL_INTERNAL void ParseSchemeParts();
};

/// When `text` yields a valid HTTP URL assigns it to `url` and returns true;
/// otherwise returns false and leaves `url` untouched.
/// @param text The URI text.
/// @param url Receives the URL when it is valid.
/// @return Whether the text gives a valid HTTP URL.
KAURL_API bool Create(const UTF16String& text, URL& url);

/// Whether the scheme of `uri` is "http" or "https"; nothing else is consulted.
/// @param uri A URI of any class.
/// @return Whether its scheme is "http" or "https".
KAURL_API bool IsHttpURI(const URI& uri);

/// Resolves `reference` against the text of `base` as kaurl::ResolveReference
/// does, and assigns the result to `result` when it is a valid HTTP URL.
/// @param base The base URL, read from its text.
/// @param reference Any text.
/// @param result Receives the target; untouched on refusal.
/// @param mode How a reference with the base's scheme is read.
/// @return false, leaving `result` untouched, when the base is not a valid
/// HTTP URL or the result is none.
KAURL_API bool ResolveReference(const URL& base, const UTF16String& reference, URL& result,
                                ResolutionMode mode = ResolutionMode::Strict);

/// Normalizes the text of `url` as kaurl::Normalize does, scheme-based, and
/// assigns the result to `normalized` when it is a valid HTTP URL.
/// @param url The URL, read from its text.
/// @param normalized Receives the normalized URL; untouched on refusal.
/// @return false, leaving `normalized` untouched, when `url` is not a valid
/// HTTP URL.
KAURL_API bool Normalize(const URL& url, URL& normalized);

}  // namespace kaurl::http
