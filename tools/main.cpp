// SPDX-License-Identifier: BSL-1.0
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "ComposeCommand.h"
#include "NormalizeCommand.h"
#include "ParseCommand.h"
#include "ProcessStart.h"
#include "RelativeCommand.h"
#include "ResolveCommand.h"
#include "SelfTestCommand.h"
#include "SubstituteCommand.h"
#include "UsageErrors.h"

int main(int argc, char** argv) {
    kaurl::tool::UseBinaryStandardStreams();
    // Standard output stays buffered while standard input is read line by line.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);

    CLI::App app("Decompose, build and check URIs with the kaurl library.", "kaurl");
    app.set_version_flag("--version", "kaurl " KAURL_VERSION);
    app.require_subcommand(1);
    // The same syntax everywhere: a "/" begins a path, not an option, also on
    // Windows (where CLI11 would otherwise take "/Volumes/Grid" for one).
    app.allow_windows_style_options(false);
    app.footer(
        "Exit status: 0 success, 1 a refused or invalid input, 2 a usage error.\n\n"
        "Example:\n"
        "  kaurl parse 'http://joe@MyHost:8080/a/b?x=1#top'");

    kaurl::tool::ParseCommand parse(app);
    kaurl::tool::ComposeCommand compose(app);
    kaurl::tool::SubstituteCommand substitute(app);
    kaurl::tool::ResolveCommand resolve(app);
    kaurl::tool::NormalizeCommand normalize(app);
    kaurl::tool::RelativeCommand relative(app);
    kaurl::tool::SelfTestCommand selfTest(app);

    // CLI11 takes them last one first.
    std::vector<std::string> arguments = kaurl::tool::CommandLineArguments(argc, argv);
    std::reverse(arguments.begin(), arguments.end());
    try {
        app.parse(arguments);
    } catch (const CLI::ParseError& error) {
        return kaurl::tool::AnswerParseError(app, error);
    }
    kaurl::tool::Subcommand* const subcommands[] = {&parse,     &compose,  &substitute, &resolve,
                                                    &normalize, &relative, &selfTest};
    for (kaurl::tool::Subcommand* subcommand : subcommands) {
        if (subcommand->Chosen()) {
            return subcommand->Run();
        }
    }
    return kaurl::tool::AnswerUnhandledSubcommand(app);
}
