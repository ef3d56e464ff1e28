// SPDX-License-Identifier: BSL-1.0
#pragma once

/// @file
/// Media URIs ("kamedia"): the class kaurl::kamedia::URL, its composition from
/// a mount point and a path, the substitution of a local mount path, and the
/// checked local path of a URL from elsewhere.

#include "kaurl/Relations.h"
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
/// path of its file, checked so that it stays below the mount path, and
/// kaurl::kamedia::DescribeLocalPathRefusal says why it refused a URL;
/// kaurl::kamedia::GetDisplayName gives the decoded name of its file;
/// kaurl::kamedia::SubstituteMountPointAndReturnPath gives the local path
/// unchecked.
///
/// kaurl::kamedia::ResolveReference(const UTF16String&, const UTF16String&, UTF16String&,
/// ResolutionMode) resolves a reference against a media base with the media rule, and
/// kaurl::kamedia::ResolveReference(const URL&, const UTF16String&, URL&, ResolutionMode)
/// does so into a media URL; kaurl::kamedia::Normalize normalizes one.
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

/// Why ResolveLocalPath or GetDisplayName refused a URL. When several apply,
/// the reason is the first in the order in which ResolveLocalPath checks them.
/// New reasons are appended with new values, so a `switch` over this type
/// needs a `default`.
enum class LocalPathRefusal {
    InvalidURL,                   ///< The URL is not a valid media URL.
    NamesNoFile,                  ///< No name is left in the path: u"kamedia://grid/".
    MalformedEscape,              ///< A "%" in the path is not followed by two hexadecimal digits.
    NotUTF8,                      ///< The decoded path is not well-formed UTF-8 (or UTF-16).
    ControlCharacter,             ///< The decoded path holds a control character.
    LeavesMountPoint,             ///< The path has a ".." segment.
    WindowsName,                  ///< A name that Windows would read as something else.
    ControlCharacterInMountPath,  ///< The mount path holds a control character.
    EmptyMountPath = 8,           ///< The mount path is empty.
    InvisibleCharacter = 9,       ///< The decoded path holds an invisible or reordering character.
    NameTooLong = 10,             ///< A name is longer than 255 UTF-16 code units.
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
/// program converts it to one of the ANSI code pages of rule 10: meant for
/// URLs from other machines and users. After such a conversion it may name
/// another file below the mount path, since best-fit conversion also turns
/// U+00E9 (e with acute) into "e".
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
/// 2. an empty mount path, which would put the names at the root of the file
///    system (LocalPathRefusal::EmptyMountPath); a relative mount path is
///    allowed, and the result is then relative to the caller's working
///    directory;
/// 3. a control character, U+0000 to U+001F or U+007F to U+009F, in the mount
///    path (LocalPathRefusal::ControlCharacterInMountPath);
/// 4. a malformed escape ("%G1", a "%" at the end; LocalPathRefusal::MalformedEscape);
/// 5. decoded bytes that are not UTF-8 ("%C3" alone, "%FF", the overlong "%C0%AF"),
///    or a lone surrogate in the path (LocalPathRefusal::NotUTF8);
/// 6. a control character in the decoded path, "%00" included
///    (LocalPathRefusal::ControlCharacter);
/// 7. an invisible or reordering character in the decoded path
///    (LocalPathRefusal::InvisibleCharacter), so that a name shows as what it
///    is:
///    - the bidi embeddings and overrides U+202A to U+202E and the isolates
///      U+2066 to U+2069, since they reorder what a person sees
///      (`u"invoice\u202Efxm.exe"` shows as "invoiceexe.mxf");
///    - invisible characters that no script needs, so that two names would
///      look alike: the zero-width space U+200B, U+2060 to U+2064, the byte
///      order mark U+FEFF and the Hangul fillers U+115F, U+1160, U+3164 and
///      U+FFA0;
///    - the line and paragraph separators U+2028 and U+2029, at which a user
///      interface breaks the line;
///    - noncharacters, never meant for interchange: U+FDD0 to U+FDEF and the
///      last two code points of every plane (U+FFFE, U+FFFF, U+1FFFE, ...).
///
///    Allowed: the direction marks U+200E, U+200F and U+061C (Hebrew and
///    Arabic names use them, and they cannot reverse a run of letters), the
///    joiners U+200C and U+200D (Persian and Indic names, emoji) and the soft
///    hyphen U+00AD;
/// 8. a ".." name, also when it comes from "%2E%2E" or "..%2F"
///    (LocalPathRefusal::LeavesMountPoint);
/// 9. on every platform, since one URL may be resolved on Windows and other
///    machines alike, a name that Windows would read as something other than a
///    file name (LocalPathRefusal::WindowsName): one holding `: < > | ? *` or a
///    double quote (the ":" also covers drive letters and alternate data
///    streams), one ending in "." or a space, or a reserved device name, in any
///    case, alone or with an extension, spaces before the extension ignored:
///    CON, PRN, AUX, NUL, COM0 to COM9, LPT0 to LPT9, COM and LPT with a
///    superscript digit (U+00B9, U+00B2, U+00B3), CONIN$ and CONOUT$ (`u"Con"`,
///    `u"nul.txt"`, `u"com\u00b9.log"`);
/// 10. on every platform, a path that a Windows program would read as one of the
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
/// 11. a name longer than 255 UTF-16 code units, the most that NTFS and HFS+
///    store (LocalPathRefusal::NameTooLong). ext4 and APFS count 255 UTF-8
///    bytes instead, so a longer name that is not ASCII resolves and opening
///    it fails there. The length of the whole path is the caller's concern:
///    Windows without long-path support opens at most 260 characters;
/// 12. a path with no name left: `u"kamedia://grid"`, `u"kamedia://grid/./"`
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

/// The name of the URL's file for display: the last of the names that
/// ResolveLocalPath would join below the mount path, decoded.
/// `u"kamedia://grid/media/a%20b.mxf"` gives `u"a b.mxf"`,
/// `u"kamedia://grid/media/"` gives `u"media"`, and the URL that
/// CreateFromMountPointAndPath builds from `u"grid"` and
/// `u"/news desk/a.mxf"`, whose file name is `u"news%20desk%2Fa.mxf"`, gives
/// `u"a.mxf"`. Returns false, leaves `name` untouched and, when `refusal` is
/// given, stores there the reason that ResolveLocalPath gives for the same URL
/// and a valid mount path: `u"kamedia://grid/a/..%2F"` is refused with
/// LocalPathRefusal::LeavesMountPoint.
///
/// @code
/// kaurl::kamedia::URL url;
/// kaurl::kamedia::CreateFromMountPointAndPath(u"grid", u"news desk/a.mxf", url);
/// ostracore::UTF16String name;
/// if (kaurl::kamedia::GetDisplayName(url, name)) {
///     // name == u"a.mxf"
/// }
/// @endcode
///
/// @param url The media URL; only its path is used, not its mount point.
/// @param name Receives the name when the result is true.
/// @param refusal When not null, receives the reason when the result is false.
/// @return Whether the URL passes the checks of ResolveLocalPath.
KAURL_API bool GetDisplayName(const URL& url, UTF16String& name,
                              LocalPathRefusal* refusal = nullptr);

/// Resolves `reference` against the media URL `base`, both as text, with the
/// media rule: every "%2F", "%5C" (either case) and backslash in the base's
/// path becomes "/", other escapes stay as written, and backslashes in the
/// reference read as "/"; then resolution runs as kaurl::ResolveReference
/// does, and the result is in plain form. A base that is no media URL
/// resolves exactly as kaurl::ResolveReference resolves it.
///
/// - u"ABA01.mxf" against u"kamedia://wendelgrid/media/stories/123/ABA00.mxf"
///   and against u"kamedia://wendelgrid/media%2Fstories%2F123%2FABA00.mxf"
///   gives u"kamedia://wendelgrid/media/stories/123/ABA01.mxf".
/// - `u"..\\media\\a.mxf"` is three segments: u"..", u"media", u"a.mxf".
/// - Dot segments never climb above the mount point's root; "%2E%2E" is data.
///
/// @snippet relations.cpp media
///
/// @param base The base URI; a text without a scheme is refused.
/// @param reference Any text.
/// @param result Receives the target's text; untouched on refusal.
/// @param mode How a reference with the base's scheme is read.
/// @return false when the base has no scheme; true otherwise.
/// @par Standard
/// @rfc{5.2} after the media rule, which makes a URL composed by
/// CreateFromMountPointAndPath and its plain form resolve alike.
KAURL_API bool ResolveReference(const UTF16String& base, const UTF16String& reference,
                                UTF16String& result, ResolutionMode mode = ResolutionMode::Strict);

/// Resolves `reference` against the text of `base` as kaurl::ResolveReference
/// does with the media rule of the text overload, and assigns the result to `result` when it is a
/// valid media URL.
/// @param base The base URL, read from its text.
/// @param reference Any text.
/// @param result Receives the target; untouched on refusal.
/// @param mode How a reference with the base's scheme is read.
/// @return false, leaving `result` untouched, when the base is not a valid
/// media URL or the result is none.
KAURL_API bool ResolveReference(const URL& base, const UTF16String& reference, URL& result,
                                ResolutionMode mode = ResolutionMode::Strict);

/// Normalizes the text of `url` as kaurl::Normalize does, scheme-based, and
/// assigns the result to `normalized` when it is a valid media URL.
/// @param url The URL, read from its text.
/// @param normalized Receives the normalized URL; untouched on refusal.
/// @return false, leaving `normalized` untouched, when `url` is not a valid
/// media URL.
KAURL_API bool Normalize(const URL& url, URL& normalized);

}  // namespace kaurl::kamedia
