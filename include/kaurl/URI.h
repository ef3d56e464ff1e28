// SPDX-License-Identifier: BSL-1.0
#pragma once

/// @file
/// The generic URI object kaurl::URI and the free functions kaurl::Create and
/// kaurl::IsValid.

#include <map>
#include <string>

#include "kaurl/Export.h"
#include "ostracore/Strings.h"

/// URI decomposition: the generic URI object and, in nested namespaces, one
/// class per scheme (kaurl::kamedia, kaurl::kasynthetic, kaurl::file,
/// kaurl::http).
///
/// @functionfailure
namespace kaurl {

using ostracore::UTF16String;

namespace detail {
struct URIBuilder;
}  // namespace detail

/// A URI text decomposed into the generic components of RFC 3986.
///
/// The object keeps the text exactly as given, whether it is a valid URI (one
/// with a scheme), and a table of named components filled once at construction.
/// Scheme and host are stored in lower case; nothing is percent-decoded.
///
/// @snippet uri.cpp example
///
/// Malformed text gives an invalid object whose getters return what the
/// decomposition found. Getters return copies; a missing component reads as "".
/// The part names are listed on the @ref index "main page"; the scheme classes
/// derive from this class and add parts of their own. kaurl::Create and
/// kaurl::IsValid decompose a text through a temporary object.
///
/// The relations between URIs (kaurl/Relations.h) read text:
/// kaurl::ResolveReference(const UTF16String&, const UTF16String&, UTF16String&, ResolutionMode)
/// resolves a reference against a base,
/// kaurl::Normalize(const UTF16String&, UTF16String&, Normalization) and
/// kaurl::AreEquivalent normalize and compare, kaurl::MakeRelative makes a
/// reference relative, and kaurl::EncodeComponent and kaurl::DecodeComponent
/// code one component; kaurl::ResolveReference(const URI&, const UTF16String&, URI&,
/// ResolutionMode) and kaurl::Normalize(const URI&, URI&) give URI objects.
///
/// @classfailure
/// swap never throws.
///
/// @par Threads
/// Distinct objects may be used on any threads at once, and the const
/// operations of one object may run concurrently; a call that changes an
/// object needs exclusive access to it.
///
/// @par Locale
/// Scheme and host are lowercased by the ctype facet of the global locale, as
/// it is when each of them is lowercased. The decomposition expression is read
/// under the classic locale, whatever locale is global: it is compiled once per
/// process (compiling it at every call would make a decomposition more than
/// ten times slower), and a facet that widens its syntax characters otherwise
/// would give it another meaning; so no caller's locale, not even the first
/// caller's, changes what it matches.
class KAURL_API URI {
public:
    /// An empty, invalid URI: no text, no parts.
    URI();

    /// Decomposes `text` once and for all. Scheme, authority, path, query and
    /// fragment come from the regular expression of RFC 3986, Appendix B; the
    /// authority is split at its first "@" and the first ":" after it into
    /// user information, host and port. The URI is valid when the text has a
    /// scheme.
    /// @param text The URI text, kept unchanged as the URI string.
    /// @par Standard
    /// <a href="https://www.rfc-editor.org/rfc/rfc3986#appendix-B">RFC 3986,
    /// Appendix B</a>; square brackets (IP literals) get no special treatment.
    explicit URI(const UTF16String& text);

    /// Copies validity, text and every part; nothing is decomposed again.
    /// @param other The URI to copy.
    URI(const URI& other);

    /// Releases the text and the part table.
    virtual ~URI();

    /// Copy and swap: on failure the object is unchanged. Replaces the whole
    /// part table; the dynamic type never changes.
    /// @param other The URI to copy.
    /// @return This object.
    URI& operator=(const URI& other);

    /// Exchanges validity, text and part table. Allocates nothing, cannot fail.
    /// @param other The URI to exchange with; it keeps its dynamic type.
    void swap(URI& other) noexcept;

    /// Whether the URI is valid; for this class, whether the text has a
    /// scheme. Each scheme class adds its own conditions.
    /// @return true for a valid URI.
    virtual bool IsValid() const;

    /// The text as it was given, also for an invalid URI.
    /// @return A copy of the URI text.
    virtual UTF16String GetURIString() const;

    /// The part "scheme", in lower case: u"http" for u"HTTP://Host".
    /// @return The scheme; "" when the text has none.
    /// @par Standard
    /// @rfc{3.1}
    virtual UTF16String GetScheme() const;

    /// The part "authority" as written, between "//" and the next "/", "?"
    /// or "#".
    /// @return The authority; "" when the text has none, and always for the
    /// media and synthetic-importer classes, which move it into a part of
    /// their own.
    /// @par Standard
    /// @rfc{3.2}
    virtual UTF16String GetAuthority() const;

    /// The part "userinfo": the authority's text before its first "@".
    /// @return The user information; "" when there is no "@".
    /// @par Standard
    /// @rfc{3.2.1}
    virtual UTF16String GetUserInfo() const;

    /// The part "host", in lower case: the authority's text after the first
    /// "@" and up to the first ":" after it.
    /// @return The host; "" when the text has no authority.
    /// @par Standard
    /// @rfc{3.2.2}, without IP-literal syntax.
    virtual UTF16String GetHost() const;

    /// The part "port" as written: the authority's text after the host's ":".
    /// @return The port text; "" when there is none. kaurl::http::URL::GetPortNumber
    /// gives it as a number.
    /// @par Standard
    /// @rfc{3.2.3}
    virtual UTF16String GetPort() const;

    /// The part "path", with its leading "/" if any.
    /// @return The path; "" when the text has none.
    /// @par Standard
    /// @rfc{3.3}
    virtual UTF16String GetPath() const;

    /// The part "query", without its "?".
    /// @return The query; "" when the text has none.
    /// @par Standard
    /// @rfc{3.4}
    virtual UTF16String GetQuery() const;

    /// The part "fragment", without its "#".
    /// @return The fragment; "" when the text has none.
    /// @par Standard
    /// @rfc{3.5}
    virtual UTF16String GetFragment() const;

protected:
    /// The value stored under `name`, or "" when there is no entry.
    /// @param name A part name, case-sensitive: "scheme", "mountpoint", ...
    /// @return A copy of the value.
    UTF16String GetPart(const char* name) const;

    /// Replaces any entry under `name`; an empty value still makes an entry.
    /// @param name A part name, case-sensitive.
    /// @param value The value to store.
    /// @par Failure
    /// Throws only std::bad_alloc. The old entry is removed first, so after
    /// a failure the name has no entry (basic guarantee).
    void SetPart(const char* name, const UTF16String& value);

    /// Removes the entry under `name`, if any.
    /// @param name A part name, case-sensitive.
    void ErasePart(const char* name);

    /// Whether the decomposition found a scheme. A scheme class clears it
    /// when the URI is not of its scheme, and never sets it.
    bool valid;

private:
    friend struct detail::URIBuilder;

    KAURL_INTERNAL void Parse();

    UTF16String uriString;
    std::map<std::string, UTF16String> parts;
};

/// Decomposes `text`; when it is a valid URI assigns the result to `uri`
/// (generic parts only, also for a scheme URL object) and returns true.
/// Otherwise returns false and leaves `uri` untouched.
/// @param text The URI text.
/// @param uri Receives the URI when the text is valid.
/// @return Whether the text is a valid URI.
KAURL_API bool Create(const UTF16String& text, URI& uri);

/// Whether `text` is a valid URI, one with a scheme: true for u"a:", false
/// for u"" and u"relative/path".
/// @param text The URI text.
/// @return Whether the text has a scheme.
/// @par Standard
/// @rfc{3.1}
KAURL_API bool IsValid(const UTF16String& text);

}  // namespace kaurl
