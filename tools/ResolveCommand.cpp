// SPDX-License-Identifier: BSL-1.0
#include "ResolveCommand.h"

#include <iostream>

#include "Operands.h"
#include "ResultLine.h"
#include "UriViews.h"
#include "Utf8Input.h"
#include "kaurl/Relations.h"
#include "kaurl/kamedia.h"

namespace kaurl::tool {
namespace {

constexpr const char* kCommand = "resolve";

}  // namespace

ResolveCommand::ResolveCommand(CLI::App& parent)
    : Subcommand(parent, kCommand, "Resolve references against a base URI") {
    Command().add_flag("--non-strict", nonStrict_,
                       "Read a reference with the base's own scheme (http:g) as relative");
    Command().add_flag("--json", json_,
                       "One JSON object per line with \"base\", \"reference\" and \"target\"");
    Command().add_option("BASE", base_, "The base URI; it must have a scheme")->required();
    TakeEveryValueAsWritten(Command().add_option(
        "REFERENCE", references_,
        "References to resolve (an empty one too); none, or -, reads one per line from standard "
        "input"));
    Command().footer(
        "The base is used as written. A media base (kamedia) resolves with the media rule:\n"
        "escaped slashes and backslashes in its path and backslashes in the reference read as\n"
        "'/', and the result never leaves the mount point. Any other base resolves by RFC 3986.\n"
        "Errors name an input by its position: argument 1 is the base, argument N the\n"
        "(N-1)th reference, line N the Nth line read from standard input.\n\n"
        "Examples:\n"
        "  kaurl resolve 'http://a/b/c/d;p?q' ../g '?y' ''\n"
        "  kaurl resolve 'kamedia://wendelgrid/media/stories/123/ABA00.mxf' '..\\124\\ABA01.mxf'");
}

int ResolveCommand::Run() {
    const auto base = DecodeArgument(kCommand, base_, 1);
    if (!base) {
        return 1;
    }
    const URI baseUri(*base);
    if (!baseUri.IsValid()) {
        ReportInputError(kCommand, {InputPosition::Source::Argument, 1},
                         "has no scheme; a base must be an absolute URI");
        return 1;
    }
    const bool media = ClassForScheme(baseUri) == UriClass::Media;
    ForEachInput(references_, 2, [&](const std::string& utf8, const InputPosition& position) {
        ResolveOne(*base, media, utf8, position);
    });
    std::cout.flush();
    return failed_ ? 1 : 0;
}

void ResolveCommand::ResolveOne(const ostracore::UTF16String& base, bool media,
                                const std::string& utf8, const InputPosition& position) {
    const auto reference = DecodeUtf8(utf8);
    if (!reference) {
        ReportInputError(kCommand, position, "not valid UTF-8");
        failed_ = true;
        return;
    }
    const ResolutionMode mode = nonStrict_ ? ResolutionMode::NonStrict : ResolutionMode::Strict;
    ostracore::UTF16String target;
    const bool resolved = media ? kamedia::ResolveReference(base, *reference, target, mode)
                                : ResolveReference(base, *reference, target, mode);
    if (!resolved) {
        ReportInputError(kCommand, position, "does not resolve against the base");
        failed_ = true;
        return;
    }
    WriteResultLine(std::cout, json_,
                    {{"base", &base}, {"reference", &*reference}, {"target", &target}});
}

}  // namespace kaurl::tool
