// SPDX-License-Identifier: BSL-1.0
#include <string>

#include <gtest/gtest.h>

#include "ExpectTool.h"

namespace {

using kaurl::tooltest::ExpectTool;

// A refusal is one line per argument on standard error, which never quotes
// the argument.
TEST(ComposeCommand, PrintsTheBuiltURIOrOneLineWhyNot) {
    const std::string media = "kaurl compose media: argument ";
    const std::string synthetic = "kaurl compose synthetic: argument 1: ";
    const std::string noUri = synthetic +
                              "gives no valid synthetic-importer URI (it is empty or begins with "
                              "'/', '?' or '#')\n";
    ExpectTool({"compose", "media", "grid", "/media/a.mxf"}, 0, "kamedia://grid/media%2Fa.mxf\n");
    ExpectTool({"compose", "media", "gr\xC3\xBCn", "/m\xC3\xA9/\xE2\x82\xAC.mxf"}, 0,
               "kamedia://gr%C3%BCn/m%C3%A9%2F%E2%82%AC.mxf\n");
    ExpectTool({"compose", "synthetic", "Importer-7"}, 0, "kasynthetic://Importer-7\n");
    ExpectTool({"compose", "media", "", "/secret.mxf"}, 1, "",
               media + "1: the mount point is empty\n");
    ExpectTool({"compose", "media", "grid", "\xC0secret"}, 1, "", media + "2: not valid UTF-8\n");
    ExpectTool({"compose", "media", "\xFFsecret", "\xFFsecret"}, 1, "",
               media + "1: not valid UTF-8\n" + media + "2: not valid UTF-8\n");
    ExpectTool({"compose", "synthetic", "\x80secret"}, 1, "", synthetic + "not valid UTF-8\n");
    for (const char* identifier : {"", "/secret", "?secret", "#secret"}) {
        ExpectTool({"compose", "synthetic", identifier}, 1, "", noUri);
    }
}

}  // namespace
