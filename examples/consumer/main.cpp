// SPDX-License-Identifier: BSL-1.0
// Decomposes a media URI given on the command line (or a sample one) and prints
// its mount point, file name and file extension.
#include <iostream>

#include "kaurl/kamedia.h"
#include "ostracore/Utility.h"

int main(int argc, char** argv) {
    const char* text = argc > 1 ? argv[1] : "kamedia://wendelgrid/media/stories/123/ABA00.mxf";

    // Ill-formed UTF-8 would become U+FFFD in the parts: refuse it instead.
    auto error = ostracore::utility::UnicodeErrorCode::None;
    const ostracore::UTF16String uri = ostracore::utility::UTF8to16(text, &error);
    kaurl::kamedia::URL url;
    if (error != ostracore::utility::UnicodeErrorCode::None || !kaurl::kamedia::Create(uri, url)) {
        std::cerr << "not a media URI in UTF-8: " << text << '\n';
        return 1;
    }

    using ostracore::utility::UTF16to8;
    std::cout << "mount point: " << UTF16to8(url.GetMountPoint()) << '\n'
              << "file name: " << UTF16to8(url.GetFileName()) << '\n'
              << "extension: " << UTF16to8(url.GetFileExtension()) << '\n';
    return 0;
}
