// SPDX-License-Identifier: BSL-1.0
// A media URL from elsewhere, resolved to a local path that stays below the
// mount path.
//! [example]
#include <iostream>

#include <kaurl/kamedia.h>
#include <ostracore/Utility.h>

int main(int argc, char** argv) {
    const char* text = argc > 1 ? argv[1] : "kamedia://wendelgrid/media/a%20b.mxf";
    // Ill-formed UTF-8 would become U+FFFD in the names: refuse it instead.
    auto error = ostracore::utility::UnicodeErrorCode::None;
    const ostracore::UTF16String uri = ostracore::utility::UTF8to16(text, &error);
    if (error != ostracore::utility::UnicodeErrorCode::None) {
        std::cerr << "refused: the URL is not UTF-8\n";
        return 1;
    }
    kaurl::kamedia::URL url;  // stays invalid, and is refused, when Create fails
    kaurl::kamedia::Create(uri, url);
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
