// SPDX-License-Identifier: BSL-1.0
#include "UsageErrors.h"

#include <iostream>
#include <string>

namespace kaurl::tool {
namespace {

// "kaurl", "kaurl parse" or "kaurl compose media": as far as the command line
// named subcommands.
std::string CommandPath(const CLI::App& app) {
    std::string path = "kaurl";
    for (const CLI::App* current = &app; !current->get_subcommands().empty();) {
        current = current->get_subcommands().front();
        path += ' ' + current->get_name();
    }
    return path;
}

// CLI11 quotes unexpected arguments and refused values in its messages, so only
// the errors whose messages name options and counts alone are passed on.
std::string DescribeWithoutUserText(const CLI::ParseError& error) {
    if (dynamic_cast<const CLI::RequiredError*>(&error) ||
        dynamic_cast<const CLI::ArgumentMismatch*>(&error) ||
        dynamic_cast<const CLI::ValidationError*>(&error) ||
        dynamic_cast<const CLI::RequiresError*>(&error) ||
        dynamic_cast<const CLI::ExcludesError*>(&error)) {
        return error.what();
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
        return "unexpected argument or unknown option";
    }
    if (dynamic_cast<const CLI::ConversionError*>(&error)) {
        return "an option was given a value it does not take";
    }
    return "the command line cannot be used";
}

}  // namespace

int AnswerParseError(const CLI::App& app, const CLI::ParseError& error) {
    if (dynamic_cast<const CLI::Success*>(&error)) {
        return app.exit(error);
    }
    const std::string command = CommandPath(app);
    std::cerr << command << ": " << DescribeWithoutUserText(error) << " (see " << command
              << " --help)\n";
    return kUsageErrorStatus;
}

}  // namespace kaurl::tool
