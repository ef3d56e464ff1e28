#include "HumanOutput.h"

#include <iomanip>
#include <string>
#include <string_view>

namespace kaurl::tool {
namespace {

// Wide enough for the longest label, "port number", and two spaces.
constexpr int kLabelWidth = 13;

void WritePrintable(std::ostream& out, std::string_view text) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    for (const char byte : text) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x20 || code == 0x7F) {
            out << "\\x" << kHexDigits[code >> 4] << kHexDigits[code & 0xF];
        } else {
            out << byte;
        }
    }
}

void WriteLine(std::ostream& out, const char* label, std::string_view value) {
    out << std::left << std::setw(kLabelWidth) << label;
    WritePrintable(out, value);
    out << '\n';
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
}

}  // namespace kaurl::tool
