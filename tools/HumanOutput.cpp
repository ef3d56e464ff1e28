// SPDX-License-Identifier: BSL-1.0
#include "HumanOutput.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace kaurl::tool {
namespace {

// Two spaces after the longest label; Label makes sure that none is longer.
constexpr std::size_t kLabelWidth = kLongestLabelSize + 2;

bool IsControl(char byte) {
    const auto code = static_cast<unsigned char>(byte);
    return code < 0x20 || code == 0x7F;
}

// Writes runs of printable bytes whole; this runs for every line of output.
void WritePrintable(std::ostream& out, std::string_view text) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    while (!text.empty()) {
        const auto control = std::find_if(text.begin(), text.end(), IsControl);
        const auto printable = static_cast<std::size_t>(control - text.begin());
        out.write(text.data(), static_cast<std::streamsize>(printable));
        if (control == text.end()) {
            return;
        }
        const auto code = static_cast<unsigned char>(*control);
        const char escape[] = {'\\', 'x', kHexDigits[code >> 4], kHexDigits[code & 0xF]};
        out.write(escape, sizeof escape);
        text.remove_prefix(printable + 1);
    }
}

void WriteLine(std::ostream& out, Label label, std::string_view value) {
    static const std::string kPadding(kLabelWidth, ' ');
    const std::string_view text = label.Text();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.write(kPadding.data(), static_cast<std::streamsize>(kLabelWidth - text.size()));
    WritePrintable(out, value);
    out.put('\n');
}

}  // namespace

void WriteHumanBlock(std::ostream& out, const UriView& view) {
    WriteLine(out, "input", view.input);
    WriteLine(out, "class", NameOf(view.uriClass));
    WriteLine(out, "valid", view.valid ? "yes" : "no");
    for (const UriField& field : view.fields) {
        if (!field.value.empty()) {
            WriteLine(out, field.label, field.value);
        }
    }
    if (view.portNumber) {
        WriteLine(out, "port number", std::to_string(*view.portNumber));
    }
    if (view.createDiffers.value_or(false)) {
        WriteLine(out, "note", "Create reads \\ as / and finds other parts: see --create");
    }
}

}  // namespace kaurl::tool
