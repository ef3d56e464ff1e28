// SPDX-License-Identifier: BSL-1.0
// A media URL from elsewhere, resolved to a local path that stays below the
// mount path.
//! [example]
#include <iostream>

#include <kaurl/kamedia.h>
#include <ostracore/Utility.h>

int main(int argc, char** argv) {
    const char* text = argc > 1 ? argv[1] : "kamedia://wendelgrid/media/a%20b.mxf";
    kaurl::kamedia::URL url;  // stays invalid, and is refused, when Create fails
    kaurl::kamedia::Create(ostracore::utility::UTF8to16(text), url);
    ostracore::UTF16String path;
    kaurl::kamedia::LocalPathRefusal why{};
    if (!kaurl::kamedia::ResolveLocalPath(url, u"/Volumes/Grid", path,
                                          kaurl::kamedia::PathSeparator::Native, &why)) {
        std::cerr << "refused: " << kaurl::kamedia::DescribeLocalPathRefusal(why) << '\n';
        return 1;
    }
    std::cout << ostracore::utility::UTF16to8(path) << '\n';  // /Volumes/Grid/media/a b.mxf
}
//! [example]
