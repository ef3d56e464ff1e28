// SPDX-License-Identifier: BSL-1.0
// UTF-8 <-> UTF-16 conversion with replacement of ill-formed input.
//
// Written by hand because the replacement rules matter here: a lone surrogate
// must become U+FFFD rather than an exception, and each maximal ill-formed
// subpart of UTF-8 must become exactly one U+FFFD (utfcpp's replace_invalid
// swallows whole runs of continuation bytes instead).
#include <cstdint>

#include "ostracore/Utility.h"

namespace ostracore::utility {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUTF8(UTF8String& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void AppendUTF16(UTF16String& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

// What a lead byte promises: how many continuation bytes follow, the value
// bits it carries, and the allowed range of the first continuation byte
// (narrower than 0x80..0xBF where that excludes overlongs, surrogates and
// values above U+10FFFF).
struct LeadByte {
    int continuationCount;
    char32_t bits;
    unsigned char firstLow;
    unsigned char firstHigh;
};

bool ClassifyLead(unsigned char byte, LeadByte& lead) {
    if (byte >= 0xC2 && byte <= 0xDF) {
        lead = {1, byte & 0x1Fu, 0x80, 0xBF};
    } else if (byte == 0xE0) {
        lead = {2, 0, 0xA0, 0xBF};
    } else if (byte == 0xED) {
        lead = {2, 0xD, 0x80, 0x9F};
    } else if (byte >= 0xE1 && byte <= 0xEF) {
        lead = {2, byte & 0x0Fu, 0x80, 0xBF};
    } else if (byte == 0xF0) {
        lead = {3, 0, 0x90, 0xBF};
    } else if (byte >= 0xF1 && byte <= 0xF3) {
        lead = {3, byte & 0x07u, 0x80, 0xBF};
    } else if (byte == 0xF4) {
        lead = {3, 4, 0x80, 0x8F};
    } else {
        return false;
    }
    return true;
}

}  // namespace

UTF8String UTF16to8(const UTF16String& text) {
    UTF8String out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            const char32_t cp =
                0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            AppendUTF8(out, cp);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUTF8(out, kReplacementCharacter);
        } else {
            AppendUTF8(out, unit);
        }
    }
    return out;
}

UTF16String UTF8to16(const UTF8String& text, UnicodeErrorCode* errorCode,
                     std::uint64_t* errorCount) {
    UTF16String out;
    out.reserve(text.size());
    std::uint64_t replacements = 0;
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            out.push_back(byte);
            ++i;
            continue;
        }
        LeadByte lead{};
        if (!ClassifyLead(byte, lead)) {
            AppendUTF16(out, kReplacementCharacter);
            ++replacements;
            ++i;
            continue;
        }
        // Accept continuation bytes until the sequence is complete or a byte
        // does not fit; the bytes accepted so far form the maximal subpart.
        char32_t cp = lead.bits;
        std::size_t next = i + 1;
        int accepted = 0;
        while (accepted < lead.continuationCount && next < size) {
            const auto continuation = static_cast<unsigned char>(text[next]);
            const unsigned char low = accepted == 0 ? lead.firstLow : 0x80;
            const unsigned char high = accepted == 0 ? lead.firstHigh : 0xBF;
            if (continuation < low || continuation > high) {
                break;
            }
            cp = (cp << 6) | (continuation & 0x3Fu);
            ++accepted;
            ++next;
        }
        if (accepted == lead.continuationCount) {
            AppendUTF16(out, cp);
        } else {
            AppendUTF16(out, kReplacementCharacter);
            ++replacements;
        }
        i = next;
    }
    if (errorCode != nullptr) {
        *errorCode = replacements == 0 ? UnicodeErrorCode::None : UnicodeErrorCode::IllFormedInput;
    }
    if (errorCount != nullptr) {
        *errorCount = replacements;
    }
    return out;
}

}  // namespace ostracore::utility
