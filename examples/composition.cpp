// SPDX-License-Identifier: BSL-1.0
// Media URIs from a mount point and a path, and back to a local path.
#undef NDEBUG  // the asserts state what the library returns: keep them in every build
#include <cassert>

#include <kaurl/kamedia.h>

int main() {
    //! [example]
    kaurl::kamedia::URL url;
    const bool created =
        kaurl::kamedia::CreateFromMountPointAndPath(u"wendelgrid", u"/news desk/a.mxf", url);
    assert(created);
    // Mount point and path are percent-encoded, the path's "/" included.
    assert(url.GetURIString() == u"kamedia://wendelgrid/news%20desk%2Fa.mxf");
    // Getters return the raw text: nothing is decoded.
    assert(url.GetFileName() == u"news%20desk%2Fa.mxf");

    // The substitution decodes the path and puts it below the local mount
    // path, with backslashes as separators.
    const auto path = kaurl::kamedia::SubstituteMountPointAndReturnPath(url, u"/Volumes/Grid/");
    assert(path == u"/Volumes/Grid\\news desk\\a.mxf");
    //! [example]

    //! [hazard]
    // Nothing keeps the decoded path below the mount path.
    const kaurl::kamedia::URL escaping(u"kamedia://wendelgrid/%2E%2E/%2E%2E/etc/passwd");
    assert(kaurl::kamedia::SubstituteMountPointAndReturnPath(escaping, u"/Volumes/Grid") ==
           u"/Volumes/Grid\\..\\..\\etc\\passwd");
    //! [hazard]
}
