// SPDX-License-Identifier: BSL-1.0
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ToolRunner.h"

namespace {

using kaurl::tooltest::CommandLine;
using kaurl::tooltest::Lines;
using kaurl::tooltest::RunTool;

struct ParseCase {
    std::vector<std::string> arguments;
    std::string input;  // standard input
    std::string out;
};

void ExpectOutput(const ParseCase& testCase) {
    SCOPED_TRACE(CommandLine(testCase.arguments));
    const auto result = RunTool(testCase.arguments, testCase.input);
    EXPECT_EQ(result.out, testCase.out);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 0);
}

// One block per URI with the getters of the class its scheme selects: the
// non-empty values aligned, control characters escaped, a blank line between
// blocks. "-" reads standard input in its place. The media class's block is
// in the Create test.
TEST(ParseCommand, HumanBlocksShowEachClassesGetters) {
    ExpectOutput({{"parse", "http://joe@MyHost:8080/a/b?x=1#top", "file:///C:/media/a.mxf", "-",
                   "s:a\nb\x1B"},
                  "kasynthetic://Importer-7\n",
                  "input        http://joe@MyHost:8080/a/b?x=1#top\n"
                  "class        http\n"
                  "valid        yes\n"
                  "scheme       http\n"
                  "authority    joe@MyHost:8080\n"
                  "userinfo     joe\n"
                  "host         myhost\n"
                  "port         8080\n"
                  "path         /a/b\n"
                  "query        x=1\n"
                  "fragment     top\n"
                  "port number  8080\n"
                  "\n"
                  "input        file:///C:/media/a.mxf\n"
                  "class        file\n"
                  "valid        yes\n"
                  "scheme       file\n"
                  "path         /C:/media/a.mxf\n"
                  "file name    a.mxf\n"
                  "extension    mxf\n"
                  "\n"
                  "input        kasynthetic://Importer-7\n"
                  "class        kasynthetic\n"
                  "valid        yes\n"
                  "scheme       kasynthetic\n"
                  "host         importer-7\n"
                  "importer id  Importer-7\n"
                  "\n"
                  "input        s:a\\x0Ab\\x1B\n"
                  "class        uri\n"
                  "valid        yes\n"
                  "scheme       s\n"
                  "path         a\\x0Ab\\x1B\n"});
}

// One JSON object per URI with every getter of the class chosen by --as,
// empty values included; validity is the class's own.
TEST(ParseCommand, JsonLinesHoldEveryGetterOfTheChosenClass) {
    const ParseCase cases[] = {
        {{"parse", "--json", "--as", "uri", "kamedia://grid/a.mxf", "-"},
         "s:\"\\\t\x01\xC3\xA9\n",
         R"({"input":"kamedia://grid/a.mxf","class":"uri","valid":true,"scheme":"kamedia",)"
         R"("authority":"grid","userinfo":"","host":"grid","port":"","path":"/a.mxf","query":"",)"
         R"("fragment":""})"
         "\n"
         R"({"input":"s:\"\\\t\u0001é","class":"uri","valid":true,"scheme":"s","authority":"",)"
         R"("userinfo":"","host":"","port":"","path":"\"\\\t\u0001é","query":"","fragment":""})"
         "\n"},
        {{"parse", "--json", "--as", "kamedia", "kamedia://u@grid:9/a.mxf?q#f"},
         "",
         R"({"input":"kamedia://u@grid:9/a.mxf?q#f","class":"kamedia","valid":true,)"
         R"("scheme":"kamedia","authority":"","userinfo":"u","host":"grid","port":"9",)"
         R"("path":"/a.mxf","query":"q","fragment":"f","mount_point":"u@grid:9",)"
         R"("file_name":"a.mxf","file_extension":"mxf"})"
         "\n"},
        {{"parse", "--json", "--as", "kasynthetic", "kasynthetic://Importer-7"},
         "",
         R"({"input":"kasynthetic://Importer-7","class":"kasynthetic","valid":true,)"
         R"("scheme":"kasynthetic","authority":"","userinfo":"","host":"importer-7","port":"",)"
         R"("path":"","query":"","fragment":"","synthetic_importer_id":"Importer-7"})"
         "\n"},
        {{"parse", "--json", "--as", "file", "file:///C:/a.mxf"},
         "",
         R"({"input":"file:///C:/a.mxf","class":"file","valid":true,"scheme":"file",)"
         R"("authority":"","userinfo":"","host":"","port":"","path":"/C:/a.mxf","query":"",)"
         R"("fragment":"","file_name":"a.mxf","file_extension":"mxf"})"
         "\n"},
        {{"parse", "--json", "--as", "http", "ftp://joe@host:21/x?q#f"},
         "",
         R"({"input":"ftp://joe@host:21/x?q#f","class":"http","valid":false,"scheme":"ftp",)"
         R"("authority":"joe@host:21","userinfo":"joe","host":"host","port":"21","path":"/x",)"
         R"("query":"q","fragment":"f","port_number":21})"
         "\n"},
    };
    for (const ParseCase& testCase : cases) {
        ExpectOutput(testCase);
    }
}

// Create reads backslashes in a media URI as slashes; a text that Create
// refuses leaves an empty, invalid object of its class.
TEST(ParseCommand, CreateReadsThroughEachClassesCreate) {
    ExpectOutput({{"parse", "--create", "kamedia://grid\\a.mxf", "kasynthetic:", "file://host",
                   "http://bad_host/", "relative"},
                  "",
                  "input        kamedia://grid\\a.mxf\n"
                  "class        kamedia\n"
                  "valid        yes\n"
                  "scheme       kamedia\n"
                  "host         grid\n"
                  "path         /a.mxf\n"
                  "mount point  grid\n"
                  "file name    a.mxf\n"
                  "extension    mxf\n"
                  "\n"
                  "input        kasynthetic:\n"
                  "class        kasynthetic\n"
                  "valid        no\n"
                  "\n"
                  "input        file://host\n"
                  "class        file\n"
                  "valid        no\n"
                  "\n"
                  "input        http://bad_host/\n"
                  "class        http\n"
                  "valid        no\n"
                  "port number  -1\n"
                  "\n"
                  "input        relative\n"
                  "class        uri\n"
                  "valid        no\n"});
}

TEST(ParseCommand, StripsOneCarriageReturnPerLine) {
    const auto result = RunTool({"parse"}, "a:b\r\nc:d\r\r\n");
    const auto lines = Lines(result.out);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "input        a:b");
    EXPECT_EQ(lines[6], "input        c:d\\x0D");
}

struct FailureCase {
    std::vector<std::string> arguments;
    std::string input;
    int status;
    std::size_t outputLines;
    std::string err = {};
};

// Without --check an invalid URI is a result, not a failure; a text that
// Create refuses counts as invalid.
TEST(ParseCommand, BadInputIsReportedByPositionAndTheRestIsProcessed) {
    const std::string line = "kaurl parse: line ";
    const std::string argument = "kaurl parse: argument ";
    const std::string invalid = ": not a valid URI for the class ";
    const FailureCase cases[] = {
        {{"parse", "--json"}, "a:b\n\xFF secret\nc:d\n", 1, 2, line + "2: not valid UTF-8\n"},
        {{"parse", "--json", "a:b", "\xC3(secret", "\xED\xA0\x80"},
         "",
         1,
         1,
         argument + "2: not valid UTF-8\n" + argument + "3: not valid UTF-8\n"},
        {{"parse", "--json", "--check", "--as", "http"},
         "http://h/\nftp://secret@h/\n",
         1,
         2,
         line + "2" + invalid + "http\n"},
        {{"parse", "--json", "--check"},
         "relative/secret\nkamedia:///x\n",
         1,
         2,
         line + "1" + invalid + "uri\n" + line + "2" + invalid + "kamedia\n"},
        {{"parse", "--json", "--check"}, "http://h/\nkasynthetic://x\n", 0, 2},
        {{"parse", "--json", "--check", "--create"},
         "kamedia://g\\a\nhttp://bad_host/secret\n",
         1,
         2,
         line + "2" + invalid + "http\n"},
        {{"parse", "--json"}, "relative/path\n", 0, 1},
    };
    for (const FailureCase& testCase : cases) {
        SCOPED_TRACE(CommandLine(testCase.arguments) + " < " + testCase.input);
        const auto result = RunTool(testCase.arguments, testCase.input);
        EXPECT_EQ(Lines(result.out).size(), testCase.outputLines);
        EXPECT_EQ(result.err, testCase.err);
        EXPECT_EQ(result.status, testCase.status);
    }
}

}  // namespace
