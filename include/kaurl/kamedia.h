// SPDX-License-Identifier: BSL-1.0
#pragma once

/// @file
/// Media URIs ("kamedia"): the class kaurl::kamedia::URL, its composition from
/// a mount point and a path, the substitution of a local mount path, and the
/// checked local path of a URL from elsewhere.

#include "kaurl/URI.h"

/// Media URIs, scheme "kamedia", which name a file below a storage mount point.
///
/// @functionfailure
namespace kaurl::kamedia {

/// A media URI: "kamedia://" + mount point + path below it, for example
/// "kamedia://wendelgrid/media/stories/123/ABA00.mxf" (mount point
/// "wendelgrid", file name "ABA00.mxf", extension "mxf").
///
/// The authority moves into the "mountpoint" part (so GetAuthority is empty),
/// kept as written: case, user information and port included, not decoded.
/// The path gives the parts "filename" and "fileextension".
/// Valid only for the scheme "kamedia" with a non-empty mount point.
///
/// @snippet media.cpp example
///
/// Applications read media URIs with kaurl::kamedia::Create, which reads
/// backslashes as slashes. kaurl::kamedia::IsKAMediaURI tells a media URI by
/// its scheme, and kaurl::kamedia::CreateFromMountPointAndPath builds one from
/// a mount point and a path. kaurl::kamedia::ResolveLocalPath gives the local
/// path of its file, checked so that it cannot leave the mount path, and
/// kaurl::kamedia::DescribeLocalPathRefusal says why it refused a URL;
/// kaurl::kamedia::SubstituteMountPointAndReturnPath gives the local path
/// unchecked.
///
/// @classfailure
class KAURL_API URL : public URI {
public:
    /// An empty, invalid URL.
    URL();

    /// Decomposes `text` and moves its authority into the mount point.
    /// Backslashes in `text` are ordinary characters here; only Create turns
    /// them into slashes.
    /// @param text The URI text.
    explicit URL(const UTF16String& text);

    /// Takes the decomposition of any URI object and adds the media parts,
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

    /// Whether the text had a scheme, the scheme is "kamedia" and the mount
    /// point is not empty.
    /// @return true for a valid media URL.
    bool IsValid() const override;

    /// The part "mountpoint": the authority as written, not decoded.
    /// @return The mount point; "" when there is none.
    UTF16String GetMountPoint() const;

    /// Text after the last "/" of the path: u"ABA00.mxf"; "" when there is none.
    /// A backslash is an ordinary character.
    /// @return The part "filename", not decoded.
    UTF16String GetFileName() const;

    /// Text after the last "." of the whole path: u"mxf"; for
    /// u"kamedia://grid/dir.old/clip" it is u"old/clip".
    /// @return The part "fileextension"; "" when there is none.
    UTF16String GetFileExtension() const;

private:
    KAURL_INTERNAL void ParseSchemeParts();
};

/// Whether the scheme of `uri` is "kamedia"; validity is not consulted.
/// @param uri A URI of any class.
/// @return Whether its scheme is "kamedia".
KAURL_API bool IsKAMediaURI(const URI& uri);

/// Turns every backslash of `text` into "/", and when that yields a valid media
/// URL assigns it to `url` and returns true; otherwise returns false and leaves
/// `url` untouched. `u"kamedia://grid\\media\\a.mxf"` gives the URI text
/// `u"kamedia://grid/media/a.mxf"` with mount point `u"grid"`.
/// @param text The URI text; backslashes count as slashes.
/// @param url Receives the URL when it is valid.
/// @return Whether the text gives a valid media URL.
KAURL_API bool Create(const UTF16String& text, URL& url);

/// Builds "kamedia://" + encode(mountPoint) + "/" + encode(path without its
/// leading separators) and hands it to Create. Every byte outside
/// `[-_.~0-9a-zA-Z]` is percent-encoded, separators inside the path included:
/// (u"wendelgrid", u"/media/a.mxf") gives u"kamedia://wendelgrid/media%2Fa.mxf".
/// Returns false, leaving `url` untouched, when the mount point is empty.
///
/// @snippet composition.cpp example
///
/// @param mountPoint The mount point's name.
/// @param path The path below the mount point; "/" and the backslash both
/// separate.
/// @param url Receives the URL.
/// @return Whether a valid URL was made: whether the mount point is not empty.
/// @par Standard
/// The bytes of the UTF-8 form are encoded as @rfc{2.1} says, with upper-case
/// hexadecimal digits; the unreserved characters of @rfc{2.3} stay as they are.
KAURL_API bool CreateFromMountPointAndPath(const UTF16String& mountPoint, const UTF16String& path,
                                           URL& url);

/// The local path of the URL's file below `mountPointPath`: the mount path with
/// one trailing separator dropped and its escapes decoded, followed by the
/// decoded URL path with backslashes as separators.
/// `(u"kamedia://wendelgrid/media/a.mxf", u"/Volumes/Grid/")` gives
/// `u"/Volumes/Grid\\media\\a.mxf"`. Returns "" for an invalid URL.
///
/// @warning The decoded path is not normalised and may leave the mount path:
/// "%2E%2E" decodes to "..", and escapes such as "%0A" to control characters.
/// Check the result before using it as a file name, or use ResolveLocalPath,
/// which refuses such URLs.
/// @snippet composition.cpp hazard
///
/// @param url The media URL; only its path is used, not its mount point.
/// @param mountPointPath Where the URL's mount point is mounted locally.
/// @return The local path, or "" for an invalid URL.
/// @par Standard
/// Escapes are decoded as @rfc{2.1} defines them; a malformed escape still
/// becomes one byte.
KAURL_API UTF16String SubstituteMountPointAndReturnPath(const URL& url,
                                                        const UTF16String& mountPointPath);

/// The separator that ResolveLocalPath puts between the names of a local path.
enum class PathSeparator : char16_t {
    Slash = u'/',                          ///< "/", as POSIX systems write paths.
    Backslash = u'\\',                     ///< The backslash, as Windows writes paths.
    Native = KAURL_NATIVE_PATH_SEPARATOR,  ///< The backslash on Windows, "/" elsewhere.
};

/// Why ResolveLocalPath refused a URL. When several apply, the reason is the
/// first in the order in which ResolveLocalPath checks them.
enum class LocalPathRefusal {
    InvalidURL,                   ///< The URL is not a valid media URL.
    NamesNoFile,                  ///< No name is left in the path: u"kamedia://grid/".
    MalformedEscape,              ///< A "%" in the path is not followed by two hexadecimal digits.
    NotUTF8,                      ///< The decoded path is not well-formed UTF-8 (or UTF-16).
    ControlCharacter,             ///< The decoded path holds a control character.
    LeavesMountPoint,             ///< The path has a ".." segment.
    WindowsName,                  ///< A name that Windows would read as something else.
    ControlCharacterInMountPath,  ///< The mount path holds a control character.
    /// A Windows ANSI code page turns a name into another one that Windows
    /// reads as something else: u"\uff0e\uff0e" becomes "..".
    ChangedByCodePage = 11,
};

/// A short English text for `refusal`, for a log or a message:
/// LocalPathRefusal::LeavesMountPoint gives "the path has a '..' segment,
/// which would leave the mount path". Every text names the problem only, never
/// the text that has it.
/// @param refusal The reason that ResolveLocalPath gave.
/// @return A text without a final full stop; for a value outside the
/// enumeration, "unknown reason".
/// @par Failure
/// Never throws.
KAURL_API const char* DescribeLocalPathRefusal(LocalPathRefusal refusal) noexcept;

/// The local path of the URL's file below `mountPointPath`, checked so that it
/// stays below the mount path and names no device, also after a Windows
/// program converts it to one of the ANSI code pages named below: meant for
/// URLs from other machines and users. After such a conversion it may name
/// another file below the mount path (best fit also turns U+00E9, an "e" with
/// acute accent, into "e").
/// Returns true and fills `localPath` when the URL passes every check; returns
/// false, leaves `localPath` untouched and, when `refusal` is given, stores the
/// reason there, when it does not.
///
/// - The mount path is used literally: nothing is decoded, and at most one
///   trailing "/" or backslash is dropped.
/// - The URL's path is decoded once, strictly: each "%" must be followed by two
///   hexadecimal digits, and the decoded bytes must be well-formed UTF-8.
/// - The decoded path is split into names at "/" and at the backslash; empty
///   names and "." are dropped.
/// - The result is the mount path, the separator, and the names joined with
///   the separator: `(u"kamedia://wendelgrid/media/a%20b.mxf", u"/Volumes/Grid/")`
///   gives `u"/Volumes/Grid/media/a b.mxf"` with PathSeparator::Slash.
///
/// Refused, checked in this order (the reason is the first that applies):
/// 1. an invalid URL (LocalPathRefusal::InvalidURL);
/// 2. a control character, U+0000 to U+001F or U+007F to U+009F, in the mount
///    path (LocalPathRefusal::ControlCharacterInMountPath);
/// 3. a malformed escape ("%G1", a "%" at the end; LocalPathRefusal::MalformedEscape);
/// 4. decoded bytes that are not UTF-8 ("%C3" alone, "%FF", the overlong "%C0%AF"),
///    or a lone surrogate in the path (LocalPathRefusal::NotUTF8);
/// 5. a control character in the decoded path, "%00" included
///    (LocalPathRefusal::ControlCharacter);
/// 6. a ".." name, also when it comes from "%2E%2E" or "..%2F"
///    (LocalPathRefusal::LeavesMountPoint);
/// 7. on every platform, since one URL may be resolved on Windows and other
///    machines alike, a name that Windows would read as something other than a
///    file name (LocalPathRefusal::WindowsName): one holding `: < > | ? *` or a
///    double quote (the ":" also covers drive letters and alternate data
///    streams), one ending in "." or a space, or a reserved device name, in any
///    case, alone or with an extension, spaces before the extension ignored:
///    CON, PRN, AUX, NUL, COM0 to COM9, LPT0 to LPT9, COM and LPT with a
///    superscript digit (U+00B9, U+00B2, U+00B3), CONIN$ and CONOUT$ (`u"Con"`,
///    `u"nul.txt"`, `u"com\u00b9.log"`);
/// 8. on every platform, a path that a Windows program would read as one of the
///    above after converting it to an ANSI code page
///    (LocalPathRefusal::ChangedByCodePage): for each of the code pages 874,
///    932, 936, 949, 950 and 1250 to 1258, unless some character of the names
///    has no mapping in that page (the conversion would write the default
///    character, so a program using that page cannot open the path at all),
///    each character of the names that the page converts to an ASCII character,
///    natively or by best fit, or to a superscript digit (code page 1254 turns
///    U+2082, subscript two, into U+00B2) is replaced by it and the others are
///    kept; the path is refused when a name so converted, split again at "/"
///    and the backslash, has a piece that is "..", ends in "." or a space, is a
///    device name or holds ":". So U+FF0E (fullwidth full stop) counts as ".",
///    U+FF0F and U+2215 as "/", U+00A5 (yen sign) as the backslash in code page
///    932 and U+20A9 (won sign) in 949, fullwidth letters as ASCII ones:
///    `u"\uff0e\uff0e\uff0fetc"`, `u"\uff23\uff2f\uff2e.mxf"` and
///    `u"C\uff1a\uff3cWindows"` are refused; `u"price\u00a5.mxf"`,
///    `u"clip\uff0emov"` and
///    `u"\u30cb\u30e5\u30fc\u30b9\uff1a\u7279\u96c6.mxf"` (the pages that have
///    the katakana keep U+FF1A, fullwidth colon, and the pages that turn it
///    into ":" cannot convert the katakana) are not. Characters `< > | ? *` and
///    the double quote that the conversion produces are not refused: they only
///    make the name impossible to open. OEM code pages, and UTF-8 as the ANSI
///    code page, are out of scope;
/// 9. a path with no name left: `u"kamedia://grid"`, `u"kamedia://grid/./"`
///    (LocalPathRefusal::NamesNoFile).
///
/// @note The check is on the text alone: it touches no file system and follows
/// no symbolic link, so a link below the mount path can still lead elsewhere,
/// and whether the file exists is not known.
///
/// @snippet local_path.cpp example
///
/// @param url The media URL; only its path is used, not its mount point.
/// @param mountPointPath Where the URL's mount point is mounted locally.
/// @param localPath Receives the local path when the result is true.
/// @param separator The separator between the names below the mount path.
/// @param refusal When not null, receives the reason when the result is false.
/// @return Whether the URL gives a checked local path.
/// @par Standard
/// Escapes are decoded as @rfc{2.1} defines them; digits of either case.
KAURL_API bool ResolveLocalPath(const URL& url, const UTF16String& mountPointPath,
                                UTF16String& localPath,
                                PathSeparator separator = PathSeparator::Native,
                                LocalPathRefusal* refusal = nullptr);

}  // namespace kaurl::kamedia
