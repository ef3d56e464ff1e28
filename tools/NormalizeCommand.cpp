// SPDX-License-Identifier: BSL-1.0
#include "NormalizeCommand.h"

#include <iostream>

#include "Operands.h"
#include "ResultLine.h"
#include "Utf8Input.h"
#include "kaurl/Relations.h"

namespace kaurl::tool {
namespace {

constexpr const char* kCommand = "normalize";

}  // namespace

NormalizeCommand::NormalizeCommand(CLI::App& parent)
    : Subcommand(parent, kCommand, "Print URIs in normalized form") {
    Command().add_flag("--syntax-only", syntaxOnly_,
                       "Apply only the scheme-independent rules (no default ports, no "
                       "scheme-specific forms)");
    Command().add_flag("--json", json_,
                       "One JSON object per line with \"input\" and \"normalized\"");
    TakeEveryValueAsWritten(Command().add_option(
        "URI", uris_,
        "URIs or relative references; none, or -, reads one per line from standard input"));
    Command().footer(
        "Syntax-based normalization lowercases scheme and host (ASCII only), writes escapes\n"
        "with upper-case hex, decodes escaped unreserved characters and removes dot segments.\n"
        "Scheme-based normalization (the default) also drops the default port of http and\n"
        "https, gives them the path / when they have a host, writes file://localhost/ as\n"
        "file:///, and reads a media path as a media URL does. Errors name a URI by its\n"
        "position: argument N is the Nth URI given, line N the Nth line read from standard\n"
        "input.\n\n"
        "Examples:\n"
        "  kaurl normalize 'HTTP://Example.ORG:80/a/./b/../c%7e'\n"
        "  kaurl normalize --syntax-only 'HTTP://Example.ORG:80/a/./b/../c%7e'");
}

int NormalizeCommand::Run() {
    ForEachInput(uris_, 1, [this](const std::string& utf8, const InputPosition& position) {
        NormalizeOne(utf8, position);
    });
    std::cout.flush();
    return failed_ ? 1 : 0;
}

void NormalizeCommand::NormalizeOne(const std::string& utf8, const InputPosition& position) {
    const auto text = DecodeUtf8(utf8);
    if (!text) {
        ReportInputError(kCommand, position, "not valid UTF-8");
        failed_ = true;
        return;
    }
    const Normalization level =
        syntaxOnly_ ? Normalization::SyntaxBased : Normalization::SchemeBased;
    ostracore::UTF16String normalized;
    if (!Normalize(*text, normalized, level)) {
        ReportInputError(kCommand, position, "cannot be normalized");
        failed_ = true;
        return;
    }
    WriteResultLine(std::cout, json_, {{"input", &*text}, {"normalized", &normalized}});
}

}  // namespace kaurl::tool
