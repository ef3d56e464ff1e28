// SPDX-License-Identifier: BSL-1.0
#include "selftest/CheckResult.h"

#include <charconv>
#include <cstring>
#include <iterator>
#include <limits>

#include "ostracore/Utility.h"
#include "selftest/TraceWriter.h"

namespace kaurl::unittests {
namespace {

bool Matches(const UTF16String& result, const char* expected) {
    return result == ostracore::utility::AsciiToUTF16(expected, std::strlen(expected));
}

bool Matches(bool result, bool expected) {
    return result == expected;
}

bool Matches(int result, int expected) {
    return result == expected;
}

void WriteExpected(std::ostream& trace, const char* expected) {
    WriteAsciiPiece(trace, expected);
}

void WriteExpected(std::ostream& trace, bool expected) {
    WriteAsciiPiece(trace, expected ? "true" : "false");
}

// Unformatted writes: the host's stream may be left in hex, with showpos, a
// pending width or a grouping locale, none of which may show in the trace or
// be changed by it.
void WriteNarrowText(std::ostream& trace, const char* text, std::size_t size) {
    trace.write(text, static_cast<std::streamsize>(size));
}

void WriteExpected(std::ostream& trace, int expected) {
    char digits[std::numeric_limits<int>::digits10 + 2];
    const char* const end = std::to_chars(std::begin(digits), std::end(digits), expected).ptr;
    WriteNarrowText(trace, digits, static_cast<std::size_t>(end - digits));
}

template <class Expected>
void WriteFailureLine(std::ostream& trace, const char* classLabel, const char* methodLabel,
                      Expected expected, const UTF16String& uriText) {
    WriteAsciiPiece(trace, "   Test failed! ");
    WriteAsciiPiece(trace, classLabel);
    WriteNarrowText(trace, "::", 2);
    WriteAsciiPiece(trace, methodLabel);
    WriteAsciiPiece(trace, " did not match expected \"");
    WriteExpected(trace, expected);
    WriteAsciiPiece(trace, "\" for url: ");
    WriteTracePiece(trace, uriText);
    WriteLineEnd(trace);
}

}  // namespace

template <class Object, class Result>
void CheckResult(const Getter<Object, Result>& getter, const Object& object,
                 const ostraunittesting::TestContext& context, ExpectedValue<Result> expected,
                 const char* classLabel, const char* methodLabel) {
    if (!Matches(getter(object), expected)) {
        WriteFailureLine(context.TraceOut(), classLabel, methodLabel, expected,
                         object.GetURIString());
    }
}

template void CheckResult<URI, UTF16String>(const Getter<URI, UTF16String>&, const URI&,
                                            const ostraunittesting::TestContext&, const char*,
                                            const char*, const char*);
template void CheckResult<kamedia::URL, UTF16String>(const Getter<kamedia::URL, UTF16String>&,
                                                     const kamedia::URL&,
                                                     const ostraunittesting::TestContext&,
                                                     const char*, const char*, const char*);
template void CheckResult<URI, bool>(const Getter<URI, bool>&, const URI&,
                                     const ostraunittesting::TestContext&, bool, const char*,
                                     const char*);
template void CheckResult<http::URL, int>(const Getter<http::URL, int>&, const http::URL&,
                                          const ostraunittesting::TestContext&, int, const char*,
                                          const char*);

}  // namespace kaurl::unittests
