// SPDX-License-Identifier: BSL-1.0
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ToolRunner.h"
#include "kaurl/file.h"
#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "kaurl/kasynthetic.h"
#include "ostracore/Utility.h"

namespace {

using kaurl::tooltest::Lines;
using kaurl::tooltest::RunTool;
using nlohmann::json;
using ostracore::utility::UTF16to8;
using ostracore::utility::UTF8to16;

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ParseCommand, HumanBlockListsNonEmptyComponentsAligned) {
    const auto result = RunTool({"parse", "http://joe@MyHost:8080/a/b?x=1#top"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
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
              "port number  8080\n");
}

struct HumanCase {
    std::vector<std::string> arguments;
    std::vector<std::string> present;
    std::vector<std::string> absent;  // label prefixes that must not start a line
};

TEST(ParseCommand, HumanBlockShowsEachClassesOwnGetters) {
    const std::vector<HumanCase> cases = {
        {{"parse", "--as", "kamedia", "kamedia://wendelgrid/media/stories/123/ABA00.mxf"},
         {"class        kamedia", "valid        yes", "mount point  wendelgrid",
          "file name    ABA00.mxf", "extension    mxf"},
         {"authority", "port number"}},
        {{"parse", "--as", "http", "https://example.com"},
         {"valid        yes", "port number  443"},
         {"port         ", "path         "}},
        {{"parse", "--as", "kasynthetic", "kasynthetic://Importer-7"},
         {"class        kasynthetic", "valid        yes", "importer id  Importer-7"},
         {"authority"}},
        {{"parse", "--as", "file", "file:///C:/media/a.mxf"},
         {"class        file", "valid        yes", "file name    a.mxf", "extension    mxf"},
         {"mount point"}},
        // The class's own validity, not the generic one.
        {{"parse", "--as", "http", "ftp://host/x"},
         {"class        http", "valid        no", "scheme       ftp"},
         {}},
        {{"parse", "--as", "uri", "kamedia://grid/a.mxf"},
         {"class        uri", "authority    grid"},
         {"mount point", "file name"}},
        // Control characters cannot break the block.
        {{"parse", "s:a\nb\x1B"}, {"path         a\\x0Ab\\x1B"}, {}},
    };
    for (const HumanCase& testCase : cases) {
        SCOPED_TRACE(testCase.arguments.back());
        const auto result = RunTool(testCase.arguments);
        EXPECT_EQ(result.status, 0);
        const auto lines = Lines(result.out);
        for (const std::string& line : testCase.present) {
            EXPECT_TRUE(Contains(lines, line)) << line;
        }
        for (const std::string& prefix : testCase.absent) {
            for (const std::string& line : lines) {
                EXPECT_NE(line.rfind(prefix, 0), 0u) << line;
            }
        }
    }
}

TEST(ParseCommand, HumanBlocksAreSeparatedByOneBlankLine) {
    const auto result = RunTool({"parse", "a:b", "-", "c:d"}, "e:f\n");
    const auto lines = Lines(result.out);
    std::vector<std::string> inputs;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("input", 0) == 0) {
            inputs.push_back(lines[i]);
            if (i > 0) {
                EXPECT_EQ(lines[i - 1], "");
            }
        }
    }
    const std::vector<std::string> expected = {"input        a:b", "input        e:f",
                                               "input        c:d"};
    EXPECT_EQ(inputs, expected);
}

// The object that the class's constructor makes of `text`, or with `create`
// the object that its Create leaves in `url`.
template <typename Url>
Url Read(const ostracore::UTF16String& text, bool create, Url url,
         bool (*createFunction)(const ostracore::UTF16String&, Url&)) {
    if (!create) {
        return Url(text);
    }
    createFunction(text, url);
    return url;
}

// The expected values come from the library's own objects, so every getter of
// every class is compared with what the tool printed.
json ExpectedJson(const std::string& input, const std::string& className, bool create) {
    const auto text = UTF8to16(input);
    json expected;
    const auto addGeneric = [&expected](const kaurl::URI& uri) {
        expected["valid"] = uri.IsValid();
        expected["scheme"] = UTF16to8(uri.GetScheme());
        expected["authority"] = UTF16to8(uri.GetAuthority());
        expected["userinfo"] = UTF16to8(uri.GetUserInfo());
        expected["host"] = UTF16to8(uri.GetHost());
        expected["port"] = UTF16to8(uri.GetPort());
        expected["path"] = UTF16to8(uri.GetPath());
        expected["query"] = UTF16to8(uri.GetQuery());
        expected["fragment"] = UTF16to8(uri.GetFragment());
    };
    if (className == "kamedia") {
        const auto url = Read(text, create, kaurl::kamedia::URL(), kaurl::kamedia::Create);
        addGeneric(url);
        expected["mount_point"] = UTF16to8(url.GetMountPoint());
        expected["file_name"] = UTF16to8(url.GetFileName());
        expected["file_extension"] = UTF16to8(url.GetFileExtension());
    } else if (className == "kasynthetic") {
        const auto url = Read(text, create, kaurl::kasynthetic::URL(), kaurl::kasynthetic::Create);
        addGeneric(url);
        expected["synthetic_importer_id"] = UTF16to8(url.GetSyntheticImporterID());
    } else if (className == "file") {
        const auto url = Read(text, create, kaurl::file::URL(kaurl::URI()), kaurl::file::Create);
        addGeneric(url);
        expected["file_name"] = UTF16to8(url.GetFileName());
        expected["file_extension"] = UTF16to8(url.GetFileExtension());
    } else if (className == "http") {
        const auto url = Read(text, create, kaurl::http::URL(), kaurl::http::Create);
        addGeneric(url);
        expected["port_number"] = url.GetPortNumber();
    } else {
        addGeneric(Read(text, create, kaurl::URI(), kaurl::Create));
    }
    expected["input"] = input;
    expected["class"] = className;
    return expected;
}

struct JsonCase {
    std::string input;
    std::string autoClass;  // the class the scheme selects
};

const std::vector<JsonCase> kJsonCases = {
    {"http://joe@MyHost:8080/a/b?x=1#top", "http"},
    {"HTTPS://Example.com", "http"},
    {"http://bad_host/", "http"},
    {"kamedia://wendelgrid/media/stories/123/ABA00.mxf", "kamedia"},
    {"kamedia://grid\\media\\a.mxf", "kamedia"},
    {"kamedia:///no-mount-point", "kamedia"},
    {"kasynthetic://Importer-7", "kasynthetic"},
    {"file:///C:/media/a.mxf", "file"},
    {"mailto:someone@example.com", "uri"},
    {"urn:isbn:123", "uri"},
    {"relative/path", "uri"},
    {"", "uri"},
    {"s:caf\xC3\xA9?\xE2\x82\xAC#\xF0\x9F\x8E\xAC", "uri"},
    {"s:tab\there\"quote\\", "uri"},
    {"s:nul\x01\x1F", "uri"},
};

std::string JoinedInputs() {
    std::string input;
    for (const JsonCase& testCase : kJsonCases) {
        input += testCase.input + "\n";
    }
    return input;
}

void ExpectJsonLines(const std::string& asClass, bool create) {
    std::vector<std::string> arguments = {"parse", "--json", "--as", asClass};
    if (create) {
        arguments.push_back("--create");
    }
    const auto result = RunTool(arguments, JoinedInputs());
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), kJsonCases.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        const json actual = json::parse(lines[i]);
        const std::string className = asClass == "auto" ? kJsonCases[i].autoClass : asClass;
        EXPECT_EQ(actual, ExpectedJson(kJsonCases[i].input, className, create));
    }
}

// Read with the constructor and with Create (--create), which refuses some
// texts and turns backslashes in media texts into slashes.
TEST(ParseCommand, JsonLinesParseBackToEveryGetterOfTheSchemeClass) {
    for (const bool create : {false, true}) {
        SCOPED_TRACE(create ? "--create" : "constructor");
        ExpectJsonLines("auto", create);
    }
}

TEST(ParseCommand, JsonLinesParseBackToEveryGetterOfTheChosenClass) {
    for (const bool create : {false, true}) {
        for (const char* asClass : {"uri", "kamedia", "kasynthetic", "file", "http"}) {
            SCOPED_TRACE(std::string(asClass) + (create ? " --create" : ""));
            ExpectJsonLines(asClass, create);
        }
    }
}

TEST(ParseCommand, StripsOneCarriageReturnPerLine) {
    const auto result = RunTool({"parse", "--json"}, "a:b\r\nc:d\r\r\n");
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(json::parse(lines[0])["input"], "a:b");
    EXPECT_EQ(json::parse(lines[1])["input"], "c:d\r");
}

struct FailureCase {
    std::vector<std::string> arguments;
    std::string input;
    std::size_t outputLines;
    std::string err;
    int status;
};

TEST(ParseCommand, BadInputIsReportedByPositionAndTheRestIsProcessed) {
    const std::vector<FailureCase> cases = {
        {{"parse", "--json"},
         "a:b\n\xFF secret\nc:d\n",
         2,
         "kaurl parse: line 2: not valid UTF-8\n",
         1},
        {{"parse", "--json", "a:b", "\xC3(secret", "\xED\xA0\x80"},
         "",
         1,
         "kaurl parse: argument 2: not valid UTF-8\n"
         "kaurl parse: argument 3: not valid UTF-8\n",
         1},
        {{"parse", "--json", "--check", "--as", "http"},
         "http://h/\nftp://secret@h/\n",
         2,
         "kaurl parse: line 2: not a valid URI for the class http\n",
         1},
        {{"parse", "--json", "--check"},
         "relative/secret\nkamedia:///x\n",
         2,
         "kaurl parse: line 1: not a valid URI for the class uri\n"
         "kaurl parse: line 2: not a valid URI for the class kamedia\n",
         1},
        {{"parse", "--json", "--check"}, "http://h/\nkasynthetic://x\n", 2, "", 0},
        // A text that Create refuses counts as invalid.
        {{"parse", "--json", "--check", "--create"},
         "kamedia://grid\\a.mxf\nhttp://bad_host/secret\n",
         2,
         "kaurl parse: line 2: not a valid URI for the class http\n",
         1},
        // Without --check an invalid URI is a result, not a failure.
        {{"parse", "--json"}, "relative/path\n", 1, "", 0},
    };
    for (const FailureCase& testCase : cases) {
        SCOPED_TRACE(testCase.input + testCase.arguments.back());
        const auto result = RunTool(testCase.arguments, testCase.input);
        EXPECT_EQ(Lines(result.out).size(), testCase.outputLines);
        EXPECT_EQ(result.err, testCase.err);
        EXPECT_EQ(result.status, testCase.status);
    }
}

}  // namespace
