// SPDX-License-Identifier: BSL-1.0
#include "ParseCommand.h"

#include <iostream>

#include "HumanOutput.h"
#include "JsonOutput.h"
#include "Operands.h"
#include "UsageErrors.h"
#include "Utf8Input.h"

namespace kaurl::tool {
namespace {

constexpr const char* kAutomaticClass = "auto";

bool IsClassName(const std::string& name) {
    return name == kAutomaticClass || UriClassNamed(name);
}

}  // namespace

ParseCommand::ParseCommand(CLI::App& parent)
    : Subcommand(parent, "parse", "Show the components of URIs") {
    Command()
        .add_option("--as", className_,
                    "uri, kamedia, kasynthetic, file or http; auto: by the scheme, else uri")
        ->type_name("CLASS")
        ->check(QuietValidator(
            IsClassName, "unknown class; expected uri, kamedia, kasynthetic, file, http or auto"))
        ->capture_default_str();
    Command().add_flag("--json", json_, "One JSON object per line instead of text blocks");
    Command().add_flag("--check", check_, "Exit with status 1 when a URI is invalid for its class");
    Command().add_flag(
        "--create", create_,
        "Read URIs with the class's Create instead of its constructor (the default)");
    TakeEveryValueAsWritten(Command().add_option(
        "URI", uris_, "URIs to parse; none, or -, reads one URI per line from standard input"));
    Command().footer(
        "Errors name a URI by its position: argument N is the Nth URI given, line N the Nth\n"
        "line read from standard input.\n\n"
        "Applications read kamedia URIs with Create, which reads backslashes as slashes.\n"
        "When Create accepts a kamedia URI and finds other parts than the constructor, the\n"
        "block ends with a line \"note\" that says so; in JSON, \"create_differs\" (present\n"
        "for every kamedia URI) is then true. With --create a URI that Create refuses\n"
        "shows as invalid.\n\n"
        "A kamedia block also shows the name of the URI's file for display, decoded (\"shown\n"
        "as\"; in JSON \"display_name\"), or why substitute would refuse the URI (\"refused:\"\n"
        "and the reason; in JSON \"display_name_refusal\").\n\n"
        "Text output escapes control, invisible and reordering characters (\\x1B, \\u202E);\n"
        "JSON escapes only the C0 controls, '\"' and '\\'.\n\n"
        "Examples:\n"
        "  kaurl parse 'http://joe@MyHost:8080/a/b?x=1#top'\n"
        "  kaurl parse --as kamedia 'kamedia://wendelgrid/media/stories/123/ABA00.mxf'\n"
        "  kaurl parse --json --check < uris.txt");
}

int ParseCommand::Run() {
    uriClass_ = UriClassNamed(className_);
    ForEachInput(uris_, 1, [this](const std::string& utf8, const InputPosition& position) {
        ParseOne(utf8, position);
    });
    std::cout.flush();
    return failed_ ? 1 : 0;
}

void ParseCommand::ParseOne(const std::string& utf8, const InputPosition& position) {
    const auto text = DecodeUtf8(utf8);
    if (!text) {
        ReportInputError("parse", position, "not valid UTF-8");
        failed_ = true;
        return;
    }
    const Reading reading = create_ ? Reading::Create : Reading::Constructor;
    const UriView view = uriClass_ ? DescribeAs(*uriClass_, *text, reading)
                                   : DescribeWithSchemeClass(*text, reading);
    if (json_) {
        WriteJsonLine(std::cout, view);
    } else {
        if (blockWritten_) {
            std::cout << '\n';
        }
        WriteHumanBlock(std::cout, view);
        blockWritten_ = true;
    }
    if (check_ && !view.valid) {
        ReportInputError("parse", position,
                         std::string("not a valid URI for the class ") + NameOf(view.uriClass));
        failed_ = true;
    }
}

}  // namespace kaurl::tool
