// SPDX-License-Identifier: BSL-1.0
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "kaurl/http.h"
#include "selftest/URICheck.h"

namespace {

using kaurl::URI;
using kaurl::unittests::MakeCheck;
using kaurl::unittests::URICheck;
using ostraunittesting::TestContext;
namespace http = kaurl::http;

struct MismatchCase {
    URICheck check;
    std::u16string text;
    std::string line;
};

// What the default test's own checks never show: a URI text beyond ASCII and
// a negative expected number.
TEST(CheckResult, MismatchWritesOneFailureLine) {
    const MismatchCase cases[] = {
        {MakeCheck(&URI::GetPath, "/cafe", "kaurl::URI", "GetPath"), u"http://h.example/caf\u00e9",
         "   Test failed! kaurl::URI::GetPath did not match expected \"/cafe\" for url: "
         "http://h.example/caf\xc3\xa9\r\n"},
        {MakeCheck(&http::URL::GetPortNumber, -443, "kaurl::http::URL", "GetPortNumber"),
         u"https://h.example",
         "   Test failed! kaurl::http::URL::GetPortNumber did not match expected \"-443\" for "
         "url: https://h.example\r\n"},
    };
    for (const MismatchCase& c : cases) {
        SCOPED_TRACE(c.line);
        std::ostringstream trace;
        EXPECT_NO_THROW(c.check(URI(c.text), TestContext(trace)));
        EXPECT_EQ(trace.str(), c.line);
    }
}

}  // namespace
