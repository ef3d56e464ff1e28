// SPDX-License-Identifier: BSL-1.0
#include "schemes/PercentCoding.h"

#include <algorithm>
#include <iomanip>
#include <ios>
#include <new>

#include "ostracore/StringStreams.h"
#include "ostracore/Utility.h"

namespace kaurl::detail {
namespace {

constexpr char kEscapeIntroducer = '%';

// A window that holds no number ("%" at the end, "%%", "%G1", "%0x") decodes
// to the "%" that introduced it. A bare percent
// sign is then kept as the literal character its writer most likely meant
// ("100%" stays "100%", "%%" gives "%"), and no NUL or other control byte can
// appear in a local path from text that never asked for one.
constexpr char kUnreadableEscapeByte = kEscapeIntroducer;

bool IsUnreserved(unsigned char byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') ||
           (byte >= 'A' && byte <= 'Z') || byte == '-' || byte == '_' || byte == '.' || byte == '~';
}

}  // namespace

UTF16String PercentEncode(const UTF16String& text) {
    const ostracore::UTF8String bytes = ostracore::utility::UTF16to8(text);
    // One stream writes the whole result: its settings hold for every escape,
    // and the width applies to the next number only, as a fresh stream's would.
    ostracore::UTF8StringStream encoded;
    // With badbit raising, what a facet or the buffer throws reaches the
    // caller as it is, instead of being swallowed into the stream's state.
    encoded.exceptions(std::ios_base::badbit);
    encoded << std::hex << std::uppercase << std::setfill('0');
    try {
        for (const char byte : bytes) {
            const auto value = static_cast<unsigned char>(byte);
            if (IsUnreserved(value)) {
                encoded.put(byte);
                continue;
            }
            encoded << kEscapeIntroducer << std::setw(2) << static_cast<int>(value);
        }
    } catch (const std::ios_base::failure&) {
        // The stream's own report that its buffer could not grow (some
        // standard libraries swallow that std::bad_alloc in the buffer).
        throw std::bad_alloc();
    }
    return ostracore::utility::UTF8to16(encoded.str());
}

UTF16String PercentDecode(const UTF16String& text) {
    const ostracore::UTF8String bytes = ostracore::utility::UTF16to8(text);
    ostracore::UTF8String decoded;
    decoded.reserve(bytes.size());
    // One forward pass: a written byte is never examined again, so reading
    // from the input and appending to a new string equals rewriting in place.
    std::size_t position = 0;
    while (position < bytes.size()) {
        if (bytes[position] != kEscapeIntroducer) {
            decoded.push_back(bytes[position]);
            ++position;
            continue;
        }
        const std::size_t windowSize = std::min<std::size_t>(2, bytes.size() - position - 1);
        ostracore::iUTF8StringStream window(bytes.substr(position + 1, windowSize));
        int value = 0;
        // A formatted hexadecimal read on purpose, not a strict two-digit
        // parse: hosts rely on its exact results for malformed escapes, with
        // white space skipped and a sign taken ("% 4" gives 0x04, "%-1" 0xFF).
        // A malformed window sets failbit only; badbit raises, so that what a
        // facet throws, or a std::bad_alloc of the read, reaches the caller.
        window.exceptions(std::ios_base::badbit);
        window >> std::hex >> value;
        decoded.push_back(window.fail() ? kUnreadableEscapeByte
                                        : static_cast<char>(static_cast<unsigned>(value) & 0xFFu));
        position += 1 + windowSize;
    }
    return ostracore::utility::UTF8to16(decoded);
}

}  // namespace kaurl::detail
