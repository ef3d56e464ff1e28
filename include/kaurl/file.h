// SPDX-License-Identifier: BSL-1.0
#pragma once

/// @file
/// File URIs ("file"): the class kaurl::file::URL.

#include "kaurl/Relations.h"
#include "kaurl/URI.h"

/// File URIs, scheme "file".
///
/// @functionfailure
namespace kaurl::file {

/// A "file" URI. Adds the file name (text after the last "/" of the path) and
/// the file extension (text after the last "." of the path), both stored even
/// when empty. Valid only for the scheme "file" with a non-empty path:
/// u"file:///C:/media/a.mxf" is valid with file name u"a.mxf", extension u"mxf".
/// The class has no default constructor.
///
/// @snippet file.cpp example
///
/// kaurl::file::Create makes a URL only from a text that gives a valid one;
/// kaurl::file::IsFileURI tells a file URI by its scheme.
///
/// kaurl::file::ResolveReference resolves a reference against a URL and
/// kaurl::file::Normalize normalizes one, both into file URLs.
///
/// @classfailure
///
/// @par Standard
/// The scheme of <a href="https://www.rfc-editor.org/rfc/rfc8089">RFC 8089</a>;
/// its syntax is checked no further than described here.
class KAURL_API URL : public URI {
public:
    /// Decomposes `text` and adds file name and extension.
    /// @param text The URI text.
    explicit URL(const UTF16String& text);

    /// Takes the decomposition of any URI object and adds file name and
    /// extension, exactly as the constructor from its text would.
    /// @param other A URI of any class; one of another scheme gives an
    /// invalid URL that keeps the other's parts.
    explicit URL(const URI& other);

    /// Copies the URL.
    /// @param other The URL to copy.
    URL(const URL& other);

    ~URL() override;

    /// Copy and swap: on failure the object is unchanged.
    /// @param other The URL to copy.
    /// @return This object.
    URL& operator=(const URL& other);

    /// Whether the text had a scheme, the scheme is "file" and the path is
    /// not empty.
    /// @return true for a valid file URL.
    bool IsValid() const override;

    /// Text after the last "/" of the path.
    /// @return The part "filename"; "" when the path has no "/" or ends with one.
    UTF16String GetFileName() const;

    /// Text after the last "." of the whole path.
    /// @return The part "fileextension"; "" when the path has no ".".
    UTF16String GetFileExtension() const;

private:
    KAURL_INTERNAL void ParseSchemeParts();
};

/// When `text` yields a valid file URL assigns it to `url` and returns true;
/// otherwise returns false and leaves `url` untouched.
/// @param text The URI text.
/// @param url Receives the URL when it is valid.
/// @return Whether the text gives a valid file URL.
KAURL_API bool Create(const UTF16String& text, URL& url);

/// Whether the scheme of `uri` is "file"; validity and path are not consulted.
/// @param uri A URI of any class.
/// @return Whether its scheme is "file".
KAURL_API bool IsFileURI(const URI& uri);

/// Resolves `reference` against the text of `base` as kaurl::ResolveReference
/// does, and assigns the result to `result` when it is a valid file URL.
/// @param base The base URL, read from its text.
/// @param reference Any text.
/// @param result Receives the target; untouched on refusal.
/// @param mode How a reference with the base's scheme is read.
/// @return false, leaving `result` untouched, when the base is not a valid
/// file URL or the result is none.
KAURL_API bool ResolveReference(const URL& base, const UTF16String& reference, URL& result,
                                ResolutionMode mode = ResolutionMode::Strict);

/// Normalizes the text of `url` as kaurl::Normalize does, scheme-based, and
/// assigns the result to `normalized` when it is a valid file URL.
/// @param url The URL, read from its text.
/// @param normalized Receives the normalized URL; untouched on refusal.
/// @return false, leaving `normalized` untouched, when `url` is not a valid
/// file URL.
KAURL_API bool Normalize(const URL& url, URL& normalized);

}  // namespace kaurl::file
