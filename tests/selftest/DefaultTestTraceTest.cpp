// SPDX-License-Identifier: BSL-1.0
// The self-test's default test, built against URI classes whose getters all
// miss (MismatchingURLs.cpp) and against this file's own failure call: one run
// shows every check in its place, and where the path assertion fails.
#include <cstdint>
#include <iomanip>
#include <ios>
#include <locale>
#include <sstream>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "kaurl/http.h"
#include "ostraunittesting/UnitTesting.h"
#include "selftest/TestURL.h"
#include "selftest/URICheck.h"

namespace {

// The failure call writes what it was given into the trace, so the trace
// shows where in the run it came; then it returns, or throws as the framework
// stand-in does.
struct FailureCall {
    std::ostream* trace = nullptr;
    bool throws = false;
    std::int32_t line = 0;
};
FailureCall failureCall;

}  // namespace

namespace ostraunittesting {

void ThrowTestFailure(const char* expression, LocationInfo location) {
    const std::string record = std::string("ThrowTestFailure(") + expression + ", " +
                               location.function + ", " + location.file + ")\r\n";
    failureCall.trace->write(record.data(), static_cast<std::streamsize>(record.size()));
    failureCall.line = location.line;
    if (failureCall.throws) {
        throw TestFailure(expression, location);
    }
}

}  // namespace ostraunittesting

namespace {

using kaurl::unittests::TestURL;
using ostraunittesting::TestContext;

const std::string kHost = "assets.wendelgrid.net";
const std::string kAuthority = "user:k3rn8vqz@" + kHost + ":60138";
const std::string kHttpText = "http://" + kAuthority + "/path/to/asset/1234.json";
const std::string kMediaText = "kamedia://wendelgrid/media/stories/123/ABA00.mxf";

struct FailureLine {
    std::string getter, expected, text;
};

// Blocks 1 and 2: the generic URI, then the media URL.
const FailureLine kBeforeAssertion[] = {
    {"kaurl::URI::IsValid", "true", kHttpText},
    {"kaurl::URI::GetScheme", "http", kHttpText},
    {"kaurl::URI::GetAuthority", kAuthority, kHttpText},
    {"kaurl::URI::GetUserInfo", "user:k3rn8vqz", kHttpText},
    {"kaurl::URI::GetHost", kHost, kHttpText},
    {"kaurl::URI::GetPort", "60138", kHttpText},
    {"kaurl::URI::GetPath", "/path/to/asset/1234.json", kHttpText},
    {"kaurl::URI::GetQuery", "", kHttpText},
    {"kaurl::URI::GetFragment", "", kHttpText},
    {"kaurl::URI::IsValid", "true", kMediaText},
    {"kaurl::kamedia::URL::GetMountPoint", "wendelgrid", kMediaText},
    {"kaurl::URI::GetPath", "/media/stories/123/ABA00.mxf", kMediaText},
    {"kaurl::kamedia::URL::GetFileName", "ABA00.mxf", kMediaText},
    {"kaurl::kamedia::URL::GetFileExtension", "mxf", kMediaText},
};

// Blocks 4 and 5: the HTTP port numbers, then the HTTP URL.
const FailureLine kAfterAssertion[] = {
    {"kaurl::http::URL::GetPortNumber", "80", "http://" + kHost},
    {"kaurl::http::URL::GetPortNumber", "443", "https://" + kHost},
    {"kaurl::http::URL::GetPortNumber", "60138", "http://" + kHost + ":60138"},
    {"kaurl::http::URL::GetPortNumber", "60138", kHttpText},
    {"kaurl::URI::IsValid", "true", kHttpText},
    {"kaurl::URI::GetScheme", "http", kHttpText},
    {"kaurl::URI::GetAuthority", kAuthority, kHttpText},
    {"kaurl::URI::GetUserInfo", "user:k3rn8vqz", kHttpText},
    {"kaurl::URI::GetHost", kHost, kHttpText},
    {"kaurl::URI::GetPort", "60138", kHttpText},
    {"kaurl::URI::GetPath", "/path/to/asset/1234.json", kHttpText},
    {"kaurl::http::URL::GetPortNumber", "60138", kHttpText},
};

constexpr char kBeginLine[] = "kaurl: Begin default test\r\n";
constexpr char kEndLine[] = "kaurl: End default test\r\n";
constexpr char kFailureCallRecord[] =
    "ThrowTestFailure(path == OSTRA_STR(\"/Volumes/MountedGrid/media/stories/123/ABA00.mxf\"), "
    "kaurl::unittests::TestURL::DefaultTest, ..\\..\\unittests\\TestURL)\r\n";

template <std::size_t count>
std::string Lines(const FailureLine (&lines)[count]) {
    std::string text;
    for (const FailureLine& line : lines) {
        text = text + "   Test failed! " + line.getter + " did not match expected \"" +
               line.expected + "\" for url: " + line.text + "\r\n";
    }
    return text;
}

struct ThousandsGrouping : std::numpunct<char> {
    char do_thousands_sep() const override { return ','; }
    std::string do_grouping() const override { return "\3"; }
};

// A host may hand over its trace stream in any state; the trace reads the
// same, and the stream keeps its settings.
TEST(DefaultTestTrace, RunsOnPastTheFailureCallWhateverTheStreamState) {
    const std::pair<const char*, void (*)(std::ostream&)> states[] = {
        {"default", [](std::ostream&) {}},
        {"hex", [](std::ostream& s) { s << std::hex << std::uppercase; }},
        {"showpos", [](std::ostream& s) { s << std::showpos; }},
        {"pending width", [](std::ostream& s) { s << std::setfill('*') << std::setw(9); }},
        {"grouping",
         [](std::ostream& s) { s.imbue(std::locale(s.getloc(), new ThousandsGrouping)); }},
    };
    for (const auto& [name, apply] : states) {
        SCOPED_TRACE(name);
        std::ostringstream trace;
        apply(trace);
        const auto flags = trace.flags();
        const auto fill = trace.fill();
        const auto width = trace.width();
        const std::locale locale = trace.getloc();
        failureCall = {&trace, false, 0};
        TestURL().DefaultTest(TestContext(trace));
        EXPECT_EQ(trace.str(), kBeginLine + Lines(kBeforeAssertion) + kFailureCallRecord +
                                   Lines(kAfterAssertion) + kEndLine);
        EXPECT_GT(failureCall.line, 0);
        EXPECT_EQ(trace.flags(), flags);
        EXPECT_EQ(trace.fill(), fill);
        EXPECT_EQ(trace.width(), width);
        EXPECT_TRUE(trace.getloc() == locale);
    }
}

TEST(DefaultTestTrace, ThrowingFailureCallEndsTheRun) {
    std::ostringstream trace;
    failureCall = {&trace, true, 0};
    EXPECT_THROW(TestURL().DefaultTest(TestContext(trace)), ostraunittesting::TestFailure);
    EXPECT_EQ(trace.str(), kBeginLine + Lines(kBeforeAssertion) + kFailureCallRecord);
}

// A buffer that marks each flush of its stream with "|".
struct FlushMarkingBuffer : std::stringbuf {
    int sync() override { return sputc('|') == '|' ? 0 : -1; }
};

// What the default test's own checks never show: a URI text beyond ASCII, a
// negative expected number, and the flushes, after each piece but "::" and a
// number, and after each line end, so that a host reading along sees them.
TEST(CheckResult, MismatchWritesUtf8TextAndSignedNumbersAndFlushesEachPiece) {
    using kaurl::unittests::MakeCheck;
    FlushMarkingBuffer buffer;
    std::ostream trace(&buffer);
    const TestContext context(trace);
    MakeCheck(&kaurl::URI::GetPath, "/cafe", "kaurl::URI", "GetPath")(
        kaurl::URI(u"http://h.example/caf\u00e9"), context);
    MakeCheck(&kaurl::http::URL::GetPortNumber, -443, "kaurl::http::URL", "GetPortNumber")(
        kaurl::URI(u"https://h.example"), context);
    EXPECT_EQ(
        buffer.str(),
        "   Test failed! |kaurl::URI|::GetPath| did not match expected \"|/cafe|\" for url: "
        "|http://h.example/caf\xc3\xa9|\r\n|   Test failed! |kaurl::http::URL|::GetPortNumber| "
        "did not match expected \"|-443\" for url: |https://h.example|\r\n|");
}

}  // namespace
