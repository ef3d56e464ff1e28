// SPDX-License-Identifier: BSL-1.0
// kaurl_self_test: the library's own suite, with its counts and streams.
#include <memory>
#include <sstream>

#include "capi/Boundary.h"
#include "capi/Texts.h"
#include "kaurl/SelfTest.h"

extern "C" kaurl_status kaurl_self_test(int* passed, int* failed, char* trace,
                                        size_t trace_capacity, size_t* trace_length, char* report,
                                        size_t report_capacity, size_t* report_length) {
    using namespace kaurl::capi;
    return Guarded([&] {
        if (passed == nullptr || failed == nullptr ||
            !IsOutput(trace, trace_capacity, trace_length) ||
            !IsOutput(report, report_capacity, report_length)) {
            return KAURL_BAD_ARGUMENT;
        }
        const std::unique_ptr<ostraunittesting::TestSuite> suite(
            kaurl::unittests::CreateTestSuite());
        std::ostringstream traceStream;
        std::ostringstream reportStream;
        const auto summary = ostraunittesting::RunSuite(*suite, traceStream, reportStream);
        const std::string traceText = traceStream.str();
        const std::string reportText = reportStream.str();
        *trace_length = traceText.size();
        *report_length = reportText.size();
        if (traceText.size() > trace_capacity || reportText.size() > report_capacity) {
            return KAURL_BUFFER_TOO_SMALL;
        }
        WriteBytes(traceText, trace, trace_capacity, trace_length);
        WriteBytes(reportText, report, report_capacity, report_length);
        *passed = summary.passed;
        *failed = summary.failed;
        return KAURL_OK;
    });
}
