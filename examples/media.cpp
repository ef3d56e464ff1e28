// SPDX-License-Identifier: BSL-1.0
// Media URIs: mount point, file name and extension.
#undef NDEBUG  // the asserts state what the library returns: keep them in every build
//! [example]
#include <cassert>

#include <kaurl/kamedia.h>

int main() {
    kaurl::kamedia::URL url;
    // Create reads backslashes as slashes; the constructor keeps them as they are.
    const bool created = kaurl::kamedia::Create(u"kamedia://wendelgrid\\media\\a.mxf", url);
    assert(created);
    assert(url.GetURIString() == u"kamedia://wendelgrid/media/a.mxf");
    assert(url.GetMountPoint() == u"wendelgrid");
    assert(url.GetAuthority().empty());  // the authority became the mount point
    assert(url.GetPath() == u"/media/a.mxf");
    assert(url.GetFileName() == u"a.mxf");
    assert(url.GetFileExtension() == u"mxf");

    // Without a mount point Create refuses and leaves the URL as it was.
    const bool refused = !kaurl::kamedia::Create(u"kamedia:///media/b.mxf", url);
    assert(refused);
    assert(url.GetFileName() == u"a.mxf");
}
//! [example]
