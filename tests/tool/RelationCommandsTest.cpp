// SPDX-License-Identifier: BSL-1.0
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ExpectTool.h"

namespace {

using kaurl::tooltest::ExpectTool;

struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string err = "";
    std::string input = "";
};

// Results one per line, "-" reading standard input in its place; a refusal
// names the argument or line and never its text, and the next input goes on.
const Case kCases[] = {
    {{"resolve", "http://a/b/c/d;p?q", "../g", "", "?y", "-", "http:g"},
     0,
     "http://a/b/g\nhttp://a/b/c/d;p?q\nhttp://a/b/c/d;p?y\nhttp://a/b/c/g\nhttp:g\n",
     "",
     "g\r\n"},
    {{"resolve", "--non-strict", "http://a/b/c/d;p?q", "HTTP:g"}, 0, "http://a/b/c/g\n"},
    {{"resolve", "kamedia://grid/media%2Fstories%2F123%2FABA00.mxf", "..\\124\\ABA01.mxf"},
     0,
     "kamedia://grid/media/stories/124/ABA01.mxf\n"},
    {{"resolve", "--json", "s:a/b", "c"},
     0,
     R"({"base":"s:a/b","reference":"c","target":"s:a/c"})"
     "\n"},
    {{"resolve", "a/secret", "g"},
     1,
     "",
     "kaurl resolve: argument 1: has no scheme; a base must be an absolute URI\n"},
    {{"resolve", "\xFFsecret", "g"}, 1, "", "kaurl resolve: argument 1: not valid UTF-8\n"},
    {{"resolve", "s:a", "-"}, 1, "s:b\n", "kaurl resolve: line 1: not valid UTF-8\n", "\xC0\nb\n"},
    {{"normalize", "HTTP://Example.ORG:80/a/./b/../c%7e", "abc/..", "-"},
     0,
     "http://example.org/a/c~\n./\nfile:///x\n",
     "",
     "file://localhost/x\n"},
    {{"normalize", "--syntax-only", "--json", "HTTP://h:80"},
     0,
     R"({"input":"HTTP://h:80","normalized":"http://h:80"})"
     "\n"},
    {{"normalize", "s:a", "\x80secret"},
     1,
     "s:a\n",
     "kaurl normalize: argument 2: not valid UTF-8\n"},
    {{"relative", "http://a/b/c/d;p?q", "http://a/b/c/g", "http://x/y", "https://a/b"},
     0,
     "g\n//x/y\nhttps://a/b\n"},
    {{"relative", "--json", "s:/a/b", "-"},
     0,
     R"({"base":"s:/a/b","target":"s:/a/c","reference":"c"})"
     "\n",
     "",
     "s:/a/c\n"},
    {{"relative", "s:/a", "no/scheme", "s:/b"},
     1,
     "b\n",
     "kaurl relative: argument 2: has no scheme; it must be an absolute URI\n"},
    {{"relative", "/secret", "s:/b"},
     1,
     "",
     "kaurl relative: argument 1: has no scheme; it must be an absolute URI\n"},
};

TEST(RelationCommands, PrintOneResultPerInput) {
    for (const Case& row : kCases) {
        ExpectTool(row.arguments, row.status, row.out, row.err, row.input);
    }
}

}  // namespace
