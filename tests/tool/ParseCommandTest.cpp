// SPDX-License-Identifier: BSL-1.0
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ExpectTool.h"
#include "kaurl/kamedia.h"

namespace {

using kaurl::tooltest::CommandLine;
using kaurl::tooltest::ExpectTool;
using kaurl::tooltest::Lines;
using kaurl::tooltest::RunTool;

// One block per URI with the getters of the class its scheme selects: the
// non-empty values aligned, control characters escaped, a blank line between
// blocks. "-" reads standard input in its place. The media class's block is
// in the Create test.
TEST(ParseCommand, HumanBlocksShowEachClassesGetters) {
    ExpectTool(
        {"parse", "http://joe@MyHost:8080/a/b?x=1#top", "file:///C:/a.mxf", "-", "s:a\nb\x1B"}, 0,
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
        "input        file:///C:/a.mxf\n"
        "class        file\n"
        "valid        yes\n"
        "scheme       file\n"
        "path         /C:/a.mxf\n"
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
        "path         a\\x0Ab\\x1B\n",
        "", "kasynthetic://Importer-7\n");
}

// One JSON object per URI with every getter of the class chosen by --as,
// empty values included; validity is the class's own.
TEST(ParseCommand, JsonLinesHoldEveryGetterOfTheChosenClass) {
    ExpectTool(
        {"parse", "--json", "--as", "uri", "kamedia://grid/a.mxf", "-"}, 0,
        R"({"input":"kamedia://grid/a.mxf","class":"uri","valid":true,"scheme":"kamedia",)"
        R"("authority":"grid","userinfo":"","host":"grid","port":"","path":"/a.mxf","query":"",)"
        R"("fragment":""})"
        "\n"
        R"({"input":"s:\"\\\t\u0001é","class":"uri","valid":true,"scheme":"s","authority":"",)"
        R"("userinfo":"","host":"","port":"","path":"\"\\\t\u0001é","query":"","fragment":""})"
        "\n",
        "", "s:\"\\\t\x01\xC3\xA9\n");
    // The constructor finds no mount point in the second; Create reads "//g/a".
    ExpectTool(
        {"parse", "--json", "--as", "kamedia", "kamedia://u@grid:9/a.mxf?q#f", "kamedia:\\\\g\\a"},
        0,
        R"({"input":"kamedia://u@grid:9/a.mxf?q#f","class":"kamedia","valid":true,)"
        R"("scheme":"kamedia","authority":"","userinfo":"u","host":"grid","port":"9",)"
        R"("path":"/a.mxf","query":"q","fragment":"f","mount_point":"u@grid:9",)"
        R"("file_name":"a.mxf","file_extension":"mxf","display_name":"a.mxf",)"
        R"("display_name_refusal":"","create_differs":false})"
        "\n"
        R"({"input":"kamedia:\\\\g\\a","class":"kamedia","valid":false,)"
        R"("scheme":"kamedia","authority":"","userinfo":"","host":"","port":"",)"
        R"("path":"\\\\g\\a","query":"","fragment":"","mount_point":"",)"
        R"("file_name":"","file_extension":"","display_name":"",)"
        R"("display_name_refusal":"not a valid media URL","create_differs":true})"
        "\n");
    ExpectTool(
        {"parse", "--json", "--as", "kasynthetic", "kasynthetic://Importer-7"}, 0,
        R"({"input":"kasynthetic://Importer-7","class":"kasynthetic","valid":true,)"
        R"("scheme":"kasynthetic","authority":"","userinfo":"","host":"importer-7",)"
        R"("port":"","path":"","query":"","fragment":"","synthetic_importer_id":"Importer-7"})"
        "\n");
    ExpectTool({"parse", "--json", "--as", "file", "file:///C:/a.mxf"}, 0,
               R"({"input":"file:///C:/a.mxf","class":"file","valid":true,"scheme":"file",)"
               R"("authority":"","userinfo":"","host":"","port":"","path":"/C:/a.mxf","query":"",)"
               R"("fragment":"","file_name":"a.mxf","file_extension":"mxf"})"
               "\n");
    ExpectTool(
        {"parse", "--json", "--as", "http", "ftp://joe@host:21/x?q#f"}, 0,
        R"({"input":"ftp://joe@host:21/x?q#f","class":"http","valid":false,"scheme":"ftp",)"
        R"("authority":"joe@host:21","userinfo":"joe","host":"host","port":"21","path":"/x",)"
        R"("query":"q","fragment":"f","port_number":21})"
        "\n");
}

// Create reads backslashes in a media URI as slashes; a text that Create
// refuses leaves an empty, invalid object of its class. A media block notes
// when Create and the constructor find different parts.
TEST(ParseCommand, CreateReadsThroughEachClassesCreate) {
    ExpectTool({"parse", "kamedia://grid\\a.mxf", "kamedia://g"}, 0,
               "input        kamedia://grid\\a.mxf\n"
               "class        kamedia\n"
               "valid        yes\n"
               "scheme       kamedia\n"
               "host         grid\\a.mxf\n"
               "mount point  grid\\a.mxf\n"
               "shown as     refused: the path names no file\n"
               "note         Create reads \\ as / and finds other parts: see --create\n"
               "\n"
               "input        kamedia://g\n"
               "class        kamedia\n"
               "valid        yes\n"
               "scheme       kamedia\n"
               "host         g\n"
               "mount point  g\n"
               "shown as     refused: the path names no file\n");
    ExpectTool({"parse", "--create", "kamedia://grid\\a.mxf", "kasynthetic:", "file://host",
                "http://bad_host/", "relative"},
               0,
               "input        kamedia://grid\\a.mxf\n"
               "class        kamedia\n"
               "valid        yes\n"
               "scheme       kamedia\n"
               "host         grid\n"
               "path         /a.mxf\n"
               "mount point  grid\n"
               "file name    a.mxf\n"
               "extension    mxf\n"
               "shown as     a.mxf\n"
               "note         Create reads \\ as / and finds other parts: see --create\n"
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
               "valid        no\n");
}

// A media URL shows the name of its file for display, decoded, or why there
// is none, in the words of the library and without the text: "shown as" in
// the block, "display_name" and "display_name_refusal" in JSON.
TEST(ParseCommand, MediaURLsShowTheirDisplayName) {
    using kaurl::kamedia::DescribeLocalPathRefusal;
    using kaurl::kamedia::LocalPathRefusal;
    struct Case {
        const char* uri;
        const char* name;
        LocalPathRefusal refusal;  // when there is no name
    };
    const Case cases[] = {
        {"kamedia://grid/media/a%20b.mxf", "a b.mxf", {}},
        {"kamedia://grid/news%20desk%2Fa.mxf", "a.mxf", {}},
        {"kamedia://grid/media/", "media", {}},
        {"kamedia://grid/%E2%80%8Dx.mxf", "\xE2\x80\x8Dx.mxf", {}},
        {"kamedia://grid/a%E2%80%AEfxm.exe", "", LocalPathRefusal::InvisibleCharacter},
        {"kamedia://grid/..%2Fsecret", "", LocalPathRefusal::LeavesMountPoint},
        {"kamedia://grid/secret%C2%9B", "", LocalPathRefusal::ControlCharacter},
        {"kamedia:///secret", "", LocalPathRefusal::InvalidURL},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.uri);
        const std::string refusal = *row.name ? "" : DescribeLocalPathRefusal(row.refusal);
        const auto block = Lines(RunTool({"parse", "--create", row.uri}).out);
        EXPECT_EQ(block.back(),
                  std::string("shown as     ") + (*row.name ? row.name : "refused: " + refusal));
        const auto json =
            nlohmann::json::parse(RunTool({"parse", "--json", "--create", row.uri}).out);
        EXPECT_EQ(json["display_name"], row.name);
        EXPECT_EQ(json["display_name_refusal"], refusal);
    }
}

TEST(ParseCommand, StripsOneCarriageReturnPerLine) {
    const auto lines = Lines(RunTool({"parse"}, "a:b\r\nc:d\r\r\n").out);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "input        a:b");
    EXPECT_EQ(lines[6], "input        c:d\\x0D");
}

// Without --check an invalid URI is a result, not a failure; a text that
// Create refuses counts as invalid.
TEST(ParseCommand, BadInputIsReportedByPositionAndTheRestIsProcessed) {
    const auto expect = [](std::vector<std::string> options, const std::string& input, int status,
                           std::size_t outputLines, const std::string& err) {
        options.insert(options.begin(), {"parse", "--json"});
        SCOPED_TRACE(CommandLine(options) + " < " + input);
        const auto result = RunTool(options, input);
        EXPECT_EQ(Lines(result.out).size(), outputLines);
        EXPECT_EQ(result.err, err);
        EXPECT_EQ(result.status, status);
    };
    const std::string line = "kaurl parse: line ";
    const std::string argument = "kaurl parse: argument ";
    const std::string invalid = ": not a valid URI for the class ";
    expect({}, "a:b\n\xFF secret\nc:d\n", 1, 2, line + "2: not valid UTF-8\n");
    expect({"a:b", "\xC3(secret", "\xED\xA0\x80"}, "", 1, 1,
           argument + "2: not valid UTF-8\n" + argument + "3: not valid UTF-8\n");
    expect({"--check", "--as", "http"}, "http://h/\nftp://secret@h/\n", 1, 2,
           line + "2" + invalid + "http\n");
    expect({"--check"}, "relative/secret\nkamedia:///x\n", 1, 2,
           line + "1" + invalid + "uri\n" + line + "2" + invalid + "kamedia\n");
    expect({"--check"}, "http://h/\nkasynthetic://x\n", 0, 2, "");
    expect({"--check", "--create"}, "kamedia://g\\a\nhttp://bad_host/secret\n", 1, 2,
           line + "2" + invalid + "http\n");
    expect({}, "relative/path\n", 0, 1, "");
}

}  // namespace
