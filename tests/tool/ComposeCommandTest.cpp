// SPDX-License-Identifier: BSL-1.0
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ToolRunner.h"
#include "kaurl/kamedia.h"
#include "ostracore/Utility.h"

namespace {

using kaurl::tooltest::RunTool;

struct ComposeCase {
    std::vector<std::string> arguments;
    std::string out;
    std::string err;
    int status;
};

TEST(ComposeCommand, PrintsTheBuiltURIOrOneLineWhyNot) {
    const std::vector<ComposeCase> cases = {
        {{"compose", "media", "wendelgrid", "/media/a.mxf"},
         "kamedia://wendelgrid/media%2Fa.mxf\n",
         "",
         0},
        {{"compose", "synthetic", "Importer-7"}, "kasynthetic://Importer-7\n", "", 0},
        {{"compose", "media", "", "/secret.mxf"},
         "",
         "kaurl compose media: argument 1: the mount point is empty\n",
         1},
        {{"compose", "media", "grid", "\xC0secret"},
         "",
         "kaurl compose media: argument 2: not valid UTF-8\n",
         1},
        {{"compose", "media", "\xFFsecret", "\xFFsecret"},
         "",
         "kaurl compose media: argument 1: not valid UTF-8\n"
         "kaurl compose media: argument 2: not valid UTF-8\n",
         1},
        {{"compose", "synthetic", ""},
         "",
         "kaurl compose synthetic: argument 1: gives no valid synthetic-importer URI (it is "
         "empty or begins with '/', '?' or '#')\n",
         1},
        {{"compose", "synthetic", "\x80secret"},
         "",
         "kaurl compose synthetic: argument 1: not valid UTF-8\n",
         1},
    };
    for (const ComposeCase& testCase : cases) {
        SCOPED_TRACE(testCase.arguments.back());
        const auto result = RunTool(testCase.arguments);
        EXPECT_EQ(result.out, testCase.out);
        EXPECT_EQ(result.err, testCase.err);
        EXPECT_EQ(result.status, testCase.status);
    }
}

TEST(ComposeCommand, SyntheticRefusesIdentifiersThatStartAComponent) {
    for (const char* identifier : {"/secret", "?secret", "#secret"}) {
        SCOPED_TRACE(identifier);
        const auto result = RunTool({"compose", "synthetic", identifier});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.find("secret"), std::string::npos) << result.err;
    }
}

TEST(ComposeCommand, NonAsciiArgumentsGiveTheLibrarysURI) {
    const std::string mountPoint =
        "gr\xC3\xBC"
        "n";
    const std::string path =
        "/m\xC3\xA9"
        "dia/\xE2\x82\xAC.mxf";
    kaurl::kamedia::URL expected;
    ASSERT_TRUE(kaurl::kamedia::CreateFromMountPointAndPath(
        ostracore::utility::UTF8to16(mountPoint), ostracore::utility::UTF8to16(path), expected));
    const auto result = RunTool({"compose", "media", mountPoint, path});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, ostracore::utility::UTF16to8(expected.GetURIString()) + "\n");
}

}  // namespace
