// SPDX-License-Identifier: BSL-1.0
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ExpectTool.h"

namespace {

using kaurl::tooltest::CommandLine;
using kaurl::tooltest::Lines;
using kaurl::tooltest::RunTool;

TEST(CommandLine, VersionIsTheProjectVersion) {
    kaurl::tooltest::ExpectTool({"--version"}, 0, "kaurl " KAURL_VERSION "\n");
}

TEST(CommandLine, EveryCommandHasHelpWithAnExample) {
    const std::vector<std::vector<std::string>> commands = {
        {},
        {"parse"},
        {"compose"},
        {"compose", "media"},
        {"compose", "synthetic"},
        {"substitute"},
        {"resolve"},
        {"normalize"},
        {"relative"},
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

// A usage error is one line, status 2, nothing on standard output, and never
// quotes what was typed. `message` is the part before " (see ... --help)".
TEST(CommandLine, UsageErrorsAreOneLineWithoutTheUsersText) {
    const auto expect = [](const std::vector<std::string>& arguments, const std::string& message) {
        SCOPED_TRACE(CommandLine(arguments));
        const auto result = RunTool(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        ASSERT_EQ(Lines(result.err).size(), 1u) << result.err;
        EXPECT_EQ(result.err.rfind(message + " (see kaurl", 0), 0u) << result.err;
        EXPECT_EQ(result.err.find("secret"), std::string::npos) << result.err;
    };
    const std::string extra = "unexpected argument or unknown option";
    const std::string separator = "kaurl substitute: --separator: must be / or \\";
    expect({}, "kaurl: A subcommand is required");
    expect({"secret"},
           "kaurl: unknown subcommand; expected parse, compose, substitute, resolve, normalize, "
           "relative or selftest");
    expect({"resolve"}, "kaurl resolve: BASE is required");
    expect({"normalize", "--syntax-only=secret"},
           "kaurl normalize: an option was given a value it does not take");
    expect({"--secret"}, "kaurl: " + extra);
    expect({"parse", "--as", "secret"},
           "kaurl parse: --as: unknown class; expected uri, kamedia, kasynthetic, file, http or "
           "auto");
    expect({"parse", "--password=secret"}, "kaurl parse: " + extra);
    expect({"parse", "--json=secret"}, "kaurl parse: an option was given a value it does not take");
    expect({"compose"}, "kaurl compose: A subcommand is required");
    expect({"compose", "secret"}, "kaurl compose: unknown subcommand; expected media or synthetic");
    expect({"compose", "media", "grid"}, "kaurl compose media: PATH is required");
    expect({"compose", "media", "grid", "/a", "secret"}, "kaurl compose media: " + extra);
    expect({"compose", "synthetic"}, "kaurl compose synthetic: IDENTIFIER is required");
    expect({"substitute", "kamedia://grid/a"}, "kaurl substitute: MOUNT-PATH is required");
    expect({"substitute", "--separator", "secret", "kamedia://grid/a", "/mnt"}, separator);
    expect({"substitute", "--separator", "", "kamedia://grid/a", "/mnt"}, separator);
    expect({"substitute", "--separator", "\xC2\xA6", "kamedia://grid/a", "/mnt"}, separator);
    expect({"selftest", "secret"}, "kaurl selftest: " + extra);
}

// CLI11 reads "[a,b]" as a list of its own; a URI such as "[::1]" must reach
// the library as written, through every positional of every command.
TEST(CommandLine, PositionalsAreTakenAsWritten) {
    const auto expect = [](const std::vector<std::string>& arguments, const std::string& firstLine,
                           int status) {
        SCOPED_TRACE(CommandLine(arguments));
        const auto result = RunTool(arguments);
        EXPECT_EQ(result.out.substr(0, result.out.find('\n')), firstLine);
        EXPECT_EQ(result.status, status) << result.err;
    };
    expect({"parse", "[::1]"}, "input        [::1]", 0);
    expect({"parse", "[a,b]"}, "input        [a,b]", 0);
    expect({"parse", "--", "[]"}, "input        []", 0);
    expect({"parse", "[v7.host]"}, "input        [v7.host]", 0);
    expect({"compose", "media", "[::1]", "[a,b]"}, "kamedia://%5B%3A%3A1%5D/%5Ba%2Cb%5D", 0);
    expect({"compose", "media", "[]", "[v7.host]"}, "kamedia://%5B%5D/%5Bv7.host%5D", 0);
    for (const std::string identifier : {"[::1]", "[a,b]", "[]", "[v7.host]"}) {
        expect({"compose", "synthetic", identifier}, "kasynthetic://" + identifier, 0);
        expect({"substitute", "--separator", "\\", "kamedia://grid/a", identifier},
               identifier + "\\a", 0);
    }
    // Not media URIs, but one argument each: status 1, not a usage error.
    expect({"substitute", "[a,b]", "/mnt"}, "", 1);
    expect({"substitute", "[]", "/mnt"}, "", 1);
}

}  // namespace
