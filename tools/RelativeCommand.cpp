// SPDX-License-Identifier: BSL-1.0
#include "RelativeCommand.h"

#include <iostream>

#include "Operands.h"
#include "ResultLine.h"
#include "Utf8Input.h"
#include "kaurl/Relations.h"

namespace kaurl::tool {
namespace {

constexpr const char* kCommand = "relative";
constexpr const char* kNoScheme = "has no scheme; it must be an absolute URI";

}  // namespace

RelativeCommand::RelativeCommand(CLI::App& parent)
    : Subcommand(parent, kCommand, "Print references relative to a base URI") {
    Command().add_flag("--json", json_,
                       "One JSON object per line with \"base\", \"target\" and \"reference\"");
    Command().add_option("BASE", base_, "The base URI; it must have a scheme")->required();
    TakeEveryValueAsWritten(Command().add_option(
        "TARGET", targets_,
        "Absolute URIs to reach from the base; none, or -, reads one per line from standard "
        "input"));
    Command().footer(
        "Each reference is the shortest text that resolves against the base to the same URI\n"
        "as the target; scheme and authority are compared as written. Errors name an input by\n"
        "its position: argument 1 is the base, argument N the (N-1)th target, line N the Nth\n"
        "line read from standard input.\n\n"
        "Example:\n"
        "  kaurl relative 'http://a/b/c/d;p?q' 'http://a/b/g' 'http://a/x?y'");
}

int RelativeCommand::Run() {
    const auto base = DecodeArgument(kCommand, base_, 1);
    if (!base) {
        return 1;
    }
    if (!URI(*base).IsValid()) {
        ReportInputError(kCommand, {InputPosition::Source::Argument, 1}, kNoScheme);
        return 1;
    }
    ForEachInput(targets_, 2, [&](const std::string& utf8, const InputPosition& position) {
        RelateOne(*base, utf8, position);
    });
    std::cout.flush();
    return failed_ ? 1 : 0;
}

void RelativeCommand::RelateOne(const ostracore::UTF16String& base, const std::string& utf8,
                                const InputPosition& position) {
    const auto target = DecodeUtf8(utf8);
    if (!target) {
        ReportInputError(kCommand, position, "not valid UTF-8");
        failed_ = true;
        return;
    }
    ostracore::UTF16String reference;
    if (!MakeRelative(base, *target, reference)) {
        ReportInputError(kCommand, position, kNoScheme);
        failed_ = true;
        return;
    }
    WriteResultLine(std::cout, json_,
                    {{"base", &base}, {"target", &*target}, {"reference", &reference}});
}

}  // namespace kaurl::tool
