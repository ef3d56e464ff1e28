// SPDX-License-Identifier: BSL-1.0
#include "HumanOutput.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "TerminalText.h"

namespace kaurl::tool {
namespace {

// Two spaces after the longest label; Label makes sure that none is longer.
constexpr std::size_t kLabelWidth = kLongestLabelSize + 2;

void WriteLine(std::ostream& out, Label label, std::string_view value) {
    static const std::string kPadding(kLabelWidth, ' ');
    const std::string_view text = label.Text();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.write(kPadding.data(), static_cast<std::streamsize>(kLabelWidth - text.size()));
    WriteEscaped(out, value);
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
    // A name holds no ':', so a refusal cannot pass for one.
    if (view.displayName) {
        WriteLine(out, "shown as",
                  view.displayName->given ? view.displayName->name
                                          : "refused: " + view.displayName->refusal);
    }
    if (view.createDiffers.value_or(false)) {
        WriteLine(out, "note", "Create reads \\ as / and finds other parts: see --create");
    }
}

}  // namespace kaurl::tool
