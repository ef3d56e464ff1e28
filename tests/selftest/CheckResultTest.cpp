// SPDX-License-Identifier: BSL-1.0
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kaurl/http.h"
#include "selftest/CheckResult.h"
#include "selftest/TraceWriter.h"
#include "selftest/URICheck.h"

namespace {

using kaurl::URI;
using kaurl::unittests::CheckResult;
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

// Records the text written between two flushes.
class FlushRecorder : public std::stringbuf {
public:
    std::vector<std::string> chunks;

protected:
    int sync() override {
        const std::string text = str();
        chunks.push_back(text.substr(flushed_));
        flushed_ = text.size();
        return 0;
    }

private:
    std::size_t flushed_ = 0;
};

// Every piece held as a string is flushed on its own, "::" and an int are not,
// and every line end is flushed.
TEST(TraceWriting, FlushesAfterEveryStringPieceAndLineEnd) {
    FlushRecorder recorder;
    std::ostream trace(&recorder);
    const TestContext context(trace);
    kaurl::unittests::WriteProgressLine(trace, "kaurl: Begin default test");
    CheckResult<URI, kaurl::UTF16String>(&URI::GetHost, URI(u"http://h/"), context, "g",
                                         "kaurl::URI", "GetHost");
    CheckResult<http::URL, int>(&http::URL::GetPortNumber, http::URL(u"http://h"), context, 81,
                                "kaurl::http::URL", "GetPortNumber");
    const std::vector<std::string> expected = {"kaurl: Begin default test",
                                               "\r\n",
                                               "   Test failed! ",
                                               "kaurl::URI",
                                               "::GetHost",
                                               " did not match expected \"",
                                               "g",
                                               "\" for url: ",
                                               "http://h/",
                                               "\r\n",
                                               "   Test failed! ",
                                               "kaurl::http::URL",
                                               "::GetPortNumber",
                                               " did not match expected \"",
                                               "81\" for url: ",
                                               "http://h",
                                               "\r\n"};
    EXPECT_EQ(recorder.chunks, expected);
}

}  // namespace
