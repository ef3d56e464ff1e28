// SPDX-License-Identifier: BSL-1.0
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ToolRunner.h"

namespace {

using kaurl::tooltest::Lines;
using kaurl::tooltest::RunTool;

TEST(CommandLine, VersionIsTheProjectVersion) {
    const auto result = RunTool({"--version"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "kaurl " KAURL_VERSION "\n");
}

TEST(CommandLine, EveryCommandHasHelpWithAnExample) {
    const std::vector<std::vector<std::string>> commands = {
        {}, {"parse"}, {"compose"}, {"compose", "media"}, {"compose", "synthetic"}, {"substitute"},
    };
    for (std::vector<std::string> arguments : commands) {
        arguments.push_back("--help");
        const auto result = RunTool(arguments);
        SCOPED_TRACE(result.out);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_NE(result.out.find("Usage: kaurl"), std::string::npos);
        EXPECT_NE(result.out.find("\n  kaurl "), std::string::npos);
    }
}

struct UsageCase {
    std::vector<std::string> arguments;
    std::string err;  // the part of the message before " (see ... --help)"
};

// A usage error is one line, status 2, nothing on standard output, and never
// quotes what was typed.
TEST(CommandLine, UsageErrorsAreOneLineWithoutTheUsersText) {
    const std::vector<UsageCase> cases = {
        {{}, "kaurl: A subcommand is required"},
        {{"secret"}, "kaurl: A subcommand is required"},
        {{"parse", "--as", "secret"},
         "kaurl parse: --as: unknown class; expected uri, kamedia, kasynthetic, file, http or "
         "auto"},
        {{"parse", "--password=secret"}, "kaurl parse: unexpected argument or unknown option"},
        {{"parse", "--json=secret"}, "kaurl parse: an option was given a value it does not take"},
        {{"compose"}, "kaurl compose: A subcommand is required"},
        {{"compose", "media", "grid"}, "kaurl compose media: PATH is required"},
        {{"compose", "media", "grid", "/a", "secret"},
         "kaurl compose media: unexpected argument or unknown option"},
        {{"compose", "synthetic"}, "kaurl compose synthetic: IDENTIFIER is required"},
        {{"substitute", "kamedia://grid/a"}, "kaurl substitute: MOUNT-PATH is required"},
        {{"substitute", "--separator", "secret", "kamedia://grid/a", "/mnt"},
         "kaurl substitute: --separator: must be exactly one character"},
        {{"substitute", "--separator", "", "kamedia://grid/a", "/mnt"},
         "kaurl substitute: --separator: must be exactly one character"},
    };
    for (const UsageCase& testCase : cases) {
        SCOPED_TRACE(testCase.err);
        const auto result = RunTool(testCase.arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        ASSERT_EQ(Lines(result.err).size(), 1u) << result.err;
        EXPECT_EQ(result.err.rfind(testCase.err + " (see kaurl", 0), 0u) << result.err;
        EXPECT_EQ(result.err.find("secret"), std::string::npos) << result.err;
    }
}

}  // namespace
