// SPDX-License-Identifier: BSL-1.0
// Percent-encoding and strict decoding of one component, over the library's
// own UTF-8 percent-encoding.
#include "kaurl/Relations.h"
#include "schemes/PercentCoding.h"
#include "schemes/StrictPercentDecoding.h"

namespace kaurl {

bool EncodeComponent(const UTF16String& text, UTF16String& encoded, ComponentEncoding kind) {
    // The UTF-8 conversion would turn a lone surrogate into U+FFFD unseen.
    if (!detail::IsWellFormedUTF16(text)) {
        return false;
    }
    if (kind == ComponentEncoding::Component) {
        encoded = detail::PercentEncode(text);
        return true;
    }
    // Segment by segment, so that the "/" between them stays; a surrogate
    // pair never holds a "/", so no segment splits one.
    UTF16String result;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t slash = std::min(text.find(u'/', start), text.size());
        if (start > 0) {
            result += u'/';
        }
        result += detail::PercentEncode(text.substr(start, slash - start));
        start = slash + 1;
    }
    encoded = std::move(result);
    return true;
}

bool DecodeComponent(const UTF16String& text, UTF16String& decoded) {
    return detail::DecodePercentStrictly(text, decoded) == detail::StrictDecoding::Decoded;
}

}  // namespace kaurl
