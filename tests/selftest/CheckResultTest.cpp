#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "kaurl/http.h"
#include "kaurl/kamedia.h"
#include "selftest/CheckResult.h"
#include "selftest/TraceWriter.h"
#include "selftest/URICheck.h"

namespace {

using kaurl::URI;
using kaurl::unittests::CheckResult;
using kaurl::unittests::Getter;
using kaurl::unittests::MakeCheck;
using kaurl::unittests::RunChecks;
using kaurl::unittests::URICheck;
using ostraunittesting::TestContext;
namespace kamedia = kaurl::kamedia;
namespace http = kaurl::http;

struct MismatchCase {
    const char* name;
    std::function<void(const TestContext&)> check;
    std::string line;
};

// One wrong expectation per instance of CheckResult writes exactly its
// failure line, naming the expected value (not the actual one) and the text of
// the object that the getter ran on.
TEST(CheckResult, MismatchWritesOneFailureLine) {
    const MismatchCase cases[] = {
        {"string",
         [](const TestContext& c) {
             CheckResult<URI, kaurl::UTF16String>(&URI::GetScheme, URI(u"http://h.example/p"), c,
                                                  "https", "kaurl::URI", "GetScheme");
         },
         "   Test failed! kaurl::URI::GetScheme did not match expected \"https\" for url: "
         "http://h.example/p\r\n"},
        {"string differing only in case",
         [](const TestContext& c) {
             CheckResult<URI, kaurl::UTF16String>(&URI::GetScheme, URI(u"http://h.example/p"), c,
                                                  "HTTP", "kaurl::URI", "GetScheme");
         },
         "   Test failed! kaurl::URI::GetScheme did not match expected \"HTTP\" for url: "
         "http://h.example/p\r\n"},
        {"empty string",
         [](const TestContext& c) {
             CheckResult<URI, kaurl::UTF16String>(&URI::GetQuery, URI(u"http://h.example/?q=1"), c,
                                                  "", "kaurl::URI", "GetQuery");
         },
         "   Test failed! kaurl::URI::GetQuery did not match expected \"\" for url: "
         "http://h.example/?q=1\r\n"},
        {"non-ASCII URI text",
         [](const TestContext& c) {
             CheckResult<URI, kaurl::UTF16String>(&URI::GetPath, URI(u"http://h.example/caf\u00e9"),
                                                  c, "/cafe", "kaurl::URI", "GetPath");
         },
         "   Test failed! kaurl::URI::GetPath did not match expected \"/cafe\" for url: "
         "http://h.example/caf\xc3\xa9\r\n"},
        {"string on a media URL",
         [](const TestContext& c) {
             CheckResult<kamedia::URL, kaurl::UTF16String>(
                 &kamedia::URL::GetMountPoint, kamedia::URL(u"kamedia://wendelgrid/a.mxf"), c,
                 "grid", "kaurl::kamedia::URL", "GetMountPoint");
         },
         "   Test failed! kaurl::kamedia::URL::GetMountPoint did not match expected \"grid\" for "
         "url: kamedia://wendelgrid/a.mxf\r\n"},
        {"bool",
         [](const TestContext& c) {
             CheckResult<URI, bool>(&URI::IsValid, URI(u"no/scheme"), c, true, "kaurl::URI",
                                    "IsValid");
         },
         "   Test failed! kaurl::URI::IsValid did not match expected \"true\" for url: "
         "no/scheme\r\n"},
        {"int",
         [](const TestContext& c) {
             CheckResult<http::URL, int>(&http::URL::GetPortNumber, http::URL(u"http://h.example"),
                                         c, 443, "kaurl::http::URL", "GetPortNumber");
         },
         "   Test failed! kaurl::http::URL::GetPortNumber did not match expected \"443\" for url: "
         "http://h.example\r\n"},
        {"negative int",
         [](const TestContext& c) {
             CheckResult<http::URL, int>(&http::URL::GetPortNumber, http::URL(u"http://h.example"),
                                         c, -1, "kaurl::http::URL", "GetPortNumber");
         },
         "   Test failed! kaurl::http::URL::GetPortNumber did not match expected \"-1\" for url: "
         "http://h.example\r\n"},
    };
    for (const MismatchCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::ostringstream trace;
        EXPECT_NO_THROW(c.check(TestContext(trace)));
        EXPECT_EQ(trace.str(), c.line);
    }
}

TEST(CheckResult, MatchWritesNothing) {
    std::ostringstream trace;
    const TestContext context(trace);
    CheckResult<URI, kaurl::UTF16String>(&URI::GetFragment, URI(u"a:b"), context, "", "c", "m");
    CheckResult<URI, bool>(&URI::IsValid, URI(u"no/scheme"), context, false, "c", "m");
    CheckResult<http::URL, int>(&http::URL::GetPortNumber, http::URL(u"https://h"), context, 443,
                                "c", "m");
    EXPECT_EQ(trace.str(), "");
}

// A mismatch does not stop the checks after it, and a check of a scheme
// class's getter runs on a copy of that class made from the object under test.
TEST(RunChecks, RunsEveryCheckInOrderOnTheRightObject) {
    std::ostringstream trace;
    RunChecks<URI>(TestContext(trace), "kamedia://wendelgrid/a.mxf",
                   MakeCheck(&URI::GetScheme, "http", "L", "First"),
                   MakeCheck(&kamedia::URL::GetMountPoint, "wendelgrid", "L", "Passing"),
                   MakeCheck(&kamedia::URL::GetFileName, "b.mxf", "L", "Third"),
                   MakeCheck(&URI::IsValid, false, "L", "Fourth"));
    EXPECT_EQ(trace.str(),
              "   Test failed! L::First did not match expected \"http\" for url: "
              "kamedia://wendelgrid/a.mxf\r\n"
              "   Test failed! L::Third did not match expected \"b.mxf\" for url: "
              "kamedia://wendelgrid/a.mxf\r\n"
              "   Test failed! L::Fourth did not match expected \"false\" for url: "
              "kamedia://wendelgrid/a.mxf\r\n");
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
