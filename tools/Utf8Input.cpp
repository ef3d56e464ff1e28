// SPDX-License-Identifier: BSL-1.0
#include "Utf8Input.h"

#include "Diagnostics.h"
#include "ostracore/Utility.h"

namespace kaurl::tool {

std::optional<ostracore::UTF16String> DecodeUtf8(const std::string& utf8) {
    using ostracore::utility::UnicodeErrorCode;
    UnicodeErrorCode error = UnicodeErrorCode::None;
    ostracore::UTF16String text = ostracore::utility::UTF8to16(utf8, &error);
    if (error != UnicodeErrorCode::None) {
        return std::nullopt;
    }
    return text;
}

std::optional<ostracore::UTF16String> DecodeArgument(std::string_view command,
                                                     const std::string& utf8,
                                                     std::uint64_t number) {
    auto text = DecodeUtf8(utf8);
    if (!text) {
        ReportInputError(command, {InputPosition::Source::Argument, number}, "not valid UTF-8");
    }
    return text;
}

}  // namespace kaurl::tool
