// SPDX-License-Identifier: BSL-1.0
// Converting between UTF-8 and UTF-16 with the string services.
#undef NDEBUG  // the asserts state what the library returns: keep them in every build
//! [example]
#include <cassert>
#include <cstdint>

#include <kaurl/kamedia.h>
#include <ostracore/Utility.h>

int main() {
    using namespace ostracore::utility;

    // Text from files and command lines is usually UTF-8: convert it to UTF-16
    // on the way in, and the results back on the way out.
    const kaurl::kamedia::URL url(UTF8to16("kamedia://grid/caf\xC3\xA9.mxf"));  // café
    assert(url.GetFileName() == u"caf\u00E9.mxf");
    assert(UTF16to8(url.GetFileName()) == "caf\xC3\xA9.mxf");

    // Ill-formed UTF-8 never fails: each bad sequence becomes U+FFFD, and the
    // conversion says so when asked.
    UnicodeErrorCode error = UnicodeErrorCode::None;
    std::uint64_t replaced = 0;
    assert(UTF8to16("caf\xE9", &error, &replaced) == u"caf\uFFFD");  // Latin-1, not UTF-8
    assert(error == UnicodeErrorCode::IllFormedInput && replaced == 1);

    // ASCII text widens one byte to one code unit.
    assert(AsciiToUTF16("kamedia", 7) == u"kamedia");
}
//! [example]
