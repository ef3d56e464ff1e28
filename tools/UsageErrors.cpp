// SPDX-License-Identifier: BSL-1.0
#include "UsageErrors.h"

#include <algorithm>
#include <cstddef>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace kaurl::tool {
namespace {

constexpr const char* kUnexpectedArgument = "unexpected argument or unknown option";

// The last subcommand that the command line named, or kaurl itself.
const CLI::App& ReachedCommand(const CLI::App& app) {
    const CLI::App* command = &app;
    while (!command->get_subcommands().empty()) {
        command = command->get_subcommands().front();
    }
    return *command;
}

// "kaurl", "kaurl parse" or "kaurl compose media".
std::string CommandPath(const CLI::App& command) {
    const CLI::App* parent = command.get_parent();
    return parent == nullptr ? command.get_name() : CommandPath(*parent) + ' ' + command.get_name();
}

// "parse, compose, substitute or selftest".
std::string SubcommandNames(const CLI::App& command) {
    const auto subcommands = command.get_subcommands([](const CLI::App*) { return true; });
    std::string names;
    for (std::size_t i = 0; i < subcommands.size(); ++i) {
        if (i > 0) {
            names += i + 1 < subcommands.size() ? ", " : " or ";
        }
        names += subcommands[i]->get_name();
    }
    return names;
}

// CLI11 answers a command that needs a subcommand with "A subcommand is
// required" also when the command line went on with a word that names none.
// That word is an unknown subcommand, unless it is written as an option.
std::optional<std::string> DescribeWordForSubcommand(const CLI::App& command) {
    if (command.get_require_subcommand_min() == 0 || !command.get_subcommands().empty()) {
        return std::nullopt;
    }
    const std::vector<std::string> words = command.remaining();
    const auto word = std::find_if(words.begin(), words.end(),
                                   [](const std::string& candidate) { return candidate != "--"; });
    if (word == words.end()) {
        return std::nullopt;
    }
    if (!word->empty() && word->front() == '-') {
        return kUnexpectedArgument;
    }
    return "unknown subcommand; expected " + SubcommandNames(command);
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
        return kUnexpectedArgument;
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
    const CLI::App& command = ReachedCommand(app);
    const std::string path = CommandPath(command);
    const auto wordForSubcommand = DescribeWordForSubcommand(command);
    std::cerr << path << ": " << wordForSubcommand.value_or(DescribeWithoutUserText(error))
              << " (see " << path << " --help)\n";
    return kUsageErrorStatus;
}

int AnswerUnhandledSubcommand(const CLI::App& app) {
    std::cerr << CommandPath(ReachedCommand(app)) << ": no code runs this subcommand\n";
    return kUsageErrorStatus;
}

CLI::Validator QuietValidator(bool (*accepts)(const std::string& value), const char* problem) {
    return CLI::Validator(
        [accepts, problem](std::string& value) -> std::string {
            return accepts(value) ? std::string() : problem;
        },
        "");
}

}  // namespace kaurl::tool
