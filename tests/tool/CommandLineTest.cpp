// SPDX-License-Identifier: BSL-1.0
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ToolRunner.h"

namespace {

using kaurl::tooltest::CommandLine;
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
        {{"secret"}, "kaurl: unknown subcommand; expected parse, compose, substitute or selftest"},
        {{"--secret"}, "kaurl: unexpected argument or unknown option"},
        {{"parse", "--as", "secret"},
         "kaurl parse: --as: unknown class; expected uri, kamedia, kasynthetic, file, http or "
         "auto"},
        {{"parse", "--password=secret"}, "kaurl parse: unexpected argument or unknown option"},
        {{"parse", "--json=secret"}, "kaurl parse: an option was given a value it does not take"},
        {{"compose"}, "kaurl compose: A subcommand is required"},
        {{"compose", "secret"}, "kaurl compose: unknown subcommand; expected media or synthetic"},
        {{"compose", "media", "grid"}, "kaurl compose media: PATH is required"},
        {{"compose", "media", "grid", "/a", "secret"},
         "kaurl compose media: unexpected argument or unknown option"},
        {{"compose", "synthetic"}, "kaurl compose synthetic: IDENTIFIER is required"},
        {{"substitute", "kamedia://grid/a"}, "kaurl substitute: MOUNT-PATH is required"},
        {{"selftest", "secret"}, "kaurl selftest: unexpected argument or unknown option"},
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

struct VerbatimCase {
    std::vector<std::string> arguments;
    std::string firstLine;  // of standard output
    int status;
};

// CLI11 reads "[a,b]" as a list of its own; a URI such as "[::1]" must reach
// the library as written, through every positional of every command.
TEST(CommandLine, PositionalsAreTakenAsWritten) {
    const std::vector<VerbatimCase> cases = {
        {{"parse", "[::1]"}, "input        [::1]", 0},
        {{"parse", "[a,b]"}, "input        [a,b]", 0},
        {{"parse", "--", "[]"}, "input        []", 0},
        {{"parse", "[v7.host]"}, "input        [v7.host]", 0},
        {{"compose", "media", "[::1]", "[a,b]"}, "kamedia://%5B%3A%3A1%5D/%5Ba%2Cb%5D", 0},
        {{"compose", "media", "[]", "[v7.host]"}, "kamedia://%5B%5D/%5Bv7.host%5D", 0},
        {{"compose", "synthetic", "[::1]"}, "kasynthetic://[::1]", 0},
        {{"compose", "synthetic", "[a,b]"}, "kasynthetic://[a,b]", 0},
        {{"compose", "synthetic", "[]"}, "kasynthetic://[]", 0},
        {{"compose", "synthetic", "[v7.host]"}, "kasynthetic://[v7.host]", 0},
        {{"substitute", "kamedia://grid/a", "[::1]"}, "[::1]\\a", 0},
        {{"substitute", "kamedia://grid/a", "[a,b]"}, "[a,b]\\a", 0},
        {{"substitute", "kamedia://grid/a", "[]"}, "[]\\a", 0},
        {{"substitute", "kamedia://grid/a", "[v7.host]"}, "[v7.host]\\a", 0},
        // Not media URIs, but one argument each: status 1, not a usage error.
        {{"substitute", "[a,b]", "/mnt"}, "", 1},
        {{"substitute", "[]", "/mnt"}, "", 1},
    };
    for (const VerbatimCase& testCase : cases) {
        SCOPED_TRACE(CommandLine(testCase.arguments));
        const auto result = RunTool(testCase.arguments);
        EXPECT_EQ(result.out.substr(0, result.out.find('\n')), testCase.firstLine);
        EXPECT_EQ(result.status, testCase.status) << result.err;
    }
}

}  // namespace
