// SPDX-License-Identifier: BSL-1.0
// File URIs: file name and extension of the path.
#undef NDEBUG  // the asserts state what the library returns: keep them in every build
//! [example]
#include <cassert>

#include <kaurl/file.h>

int main() {
    const kaurl::file::URL url(u"file:///C:/media/a.mxf");
    assert(url.IsValid());
    assert(url.GetPath() == u"/C:/media/a.mxf");
    assert(url.GetFileName() == u"a.mxf");
    assert(url.GetFileExtension() == u"mxf");

    // A file URI needs a path; a host alone is not enough.
    assert(!kaurl::file::URL(u"file://fileserver").IsValid());
    assert(kaurl::file::IsFileURI(kaurl::URI(u"FILE://fileserver")));
}
//! [example]
