// SPDX-License-Identifier: BSL-1.0
#include <cstdio>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ToolRunner.h"

namespace {

using kaurl::tooltest::Lines;
using kaurl::tooltest::RunTool;

// `text` with every byte percent-encoded.
std::string PercentEncoded(const std::string& text) {
    std::string encoded;
    for (const char byte : text) {
        char escape[4];
        std::snprintf(escape, sizeof escape, "%%%02X", static_cast<unsigned char>(byte));
        encoded += escape;
    }
    return encoded;
}

// What a value holding `text` shows as in every text output of the tool: the
// parse block, the composed URI, the unchecked local path and a normalized
// URI. JSON keeps it.
TEST(TextOutput, EscapesWhatCouldDriveOrFoolATerminal) {
    struct Case {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"\x1B", "\\x1B"},
        {"\x7F", "\\x7F"},
        {"~", "~"},
        {"\xC2\x80", "\\u0080"},                   // the first C1 control
        {"\xC2\x9B", "\\u009B"},                   // CSI, which starts a terminal command
        {"\xC2\x9F", "\\u009F"},                   // the last C1 control
        {"\xC2\xA0", "\xC2\xA0"},                  // no-break space, after the C1 controls
        {"\xC2\xAD", "\xC2\xAD"},                  // soft hyphen
        {"\xE2\x80\xAE", "\\u202E"},               // right-to-left override
        {"\xE2\x81\xA6", "\\u2066"},               // left-to-right isolate
        {"\xE2\x80\x8B", "\\u200B"},               // zero-width space
        {"\xE2\x80\x8D", "\xE2\x80\x8D"},          // zero-width joiner
        {"\xE2\x80\x8F", "\xE2\x80\x8F"},          // right-to-left mark
        {"\xEF\xBB\xBF", "\\uFEFF"},               // byte order mark
        {"\xEF\xBF\xBF", "\\uFFFF"},               // the last noncharacter of the BMP
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},  // an emoji beyond the BMP
        {"\xF0\x9F\xBF\xBE", "\\U0001FFFE"},       // a noncharacter beyond the BMP
        {"\xF4\x8F\xBF\xBF", "\\U0010FFFF"},       // the last code point
        {"a\xE2\x80\xAE"
         "b\xC3\xA9",
         "a\\u202Eb\xC3\xA9"},
    };
    for (const Case& row : cases) {
        const std::string text = std::string("x") + row.text;
        const std::string shown = std::string("x") + row.shown;
        SCOPED_TRACE(PercentEncoded(row.text));
        const auto block = Lines(RunTool({"parse", "--as", "uri", "s:" + text}).out);
        ASSERT_EQ(block.size(), 5u);
        EXPECT_EQ(block[4], "path         " + shown);
        EXPECT_EQ(RunTool({"compose", "synthetic", text}).out, "kasynthetic://" + shown + "\n");
        EXPECT_EQ(RunTool({"substitute", "--allow-unsafe", "--separator", "/",
                           "kamedia://g/" + PercentEncoded(text), "/mnt"})
                      .out,
                  "/mnt/" + shown + "\n");
        EXPECT_EQ(RunTool({"normalize", "s:" + text}).out, "s:" + shown + "\n");
        const auto json = nlohmann::json::parse(RunTool({"parse", "--json", "s:" + text}).out);
        EXPECT_EQ(json["path"], text);
    }
}

}  // namespace
