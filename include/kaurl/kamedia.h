// SPDX-License-Identifier: BSL-1.0
#pragma once

#include "kaurl/URI.h"

namespace kaurl::kamedia {

// A media URI: "kamedia://" + mount point + path below it, for example
// "kamedia://wendelgrid/media/stories/123/ABA00.mxf" (mount point
// "wendelgrid", file name "ABA00.mxf", extension "mxf").
//
// The authority moves into the "mountpoint" part (so GetAuthority is empty),
// kept as written: case, user information and port included, not decoded.
// Valid only for the scheme "kamedia" with a non-empty mount point.
class KAURL_API URL : public URI {
public:
    URL();
    // Backslashes in `text` are ordinary characters here; only Create turns
    // them into slashes.
    explicit URL(const UTF16String& text);
    explicit URL(const URI& other);
    URL(const URL& other);
    ~URL() override;

    // Copy and swap: on failure (std::bad_alloc) the object is unchanged.
    URL& operator=(const URL& other);

    bool IsValid() const override;

    UTF16String GetMountPoint() const;
    // Text after the last "/" of the path: u"ABA00.mxf"; "" when there is none.
    UTF16String GetFileName() const;
    // Text after the last "." of the whole path: u"mxf"; for
    // u"kamedia://grid/dir.old/clip" it is u"old/clip".
    UTF16String GetFileExtension() const;

private:
    KAURL_INTERNAL void ParseSchemeParts();
};

// Whether the scheme of `uri` is "kamedia"; validity is not consulted.
KAURL_API bool IsKAMediaURI(const URI& uri);

// Turns every backslash of `text` into "/", and when that yields a valid media
// URL assigns it to `url` and returns true; otherwise returns false and leaves
// `url` untouched. u"kamedia://grid\\media\\a.mxf" gives the URI text
// u"kamedia://grid/media/a.mxf" with mount point u"grid".
KAURL_API bool Create(const UTF16String& text, URL& url);

// Builds "kamedia://" + encode(mountPoint) + "/" + encode(path without its
// leading separators) and hands it to Create. Every byte outside
// [-_.~0-9a-zA-Z] is percent-encoded, separators inside the path included:
// (u"wendelgrid", u"/media/a.mxf") gives u"kamedia://wendelgrid/media%2Fa.mxf".
// Returns false, leaving `url` untouched, when the mount point is empty.
KAURL_API bool CreateFromMountPointAndPath(const UTF16String& mountPoint, const UTF16String& path,
                                           URL& url);

// The local path of the URL's file below `mountPointPath`: the mount path with
// one trailing separator dropped and its escapes decoded, followed by the
// decoded URL path with backslashes as separators.
// (u"kamedia://wendelgrid/media/a.mxf", u"/Volumes/Grid/") gives
// u"/Volumes/Grid\\media\\a.mxf". Returns "" for an invalid URL.
KAURL_API UTF16String SubstituteMountPointAndReturnPath(const URL& url,
                                                        const UTF16String& mountPointPath);

}  // namespace kaurl::kamedia
