// SPDX-License-Identifier: BSL-1.0
// kaurl_web_self_test: the library's own suite, run as `kaurl selftest` runs it.
#include <string>

#include "Answer.h"
#include "JsonObject.h"
#include "Playground.h"
#include "ostracore/Utility.h"

extern "C" char* kaurl_web_self_test() {
    using namespace kaurl::web;
    using ostracore::utility::UTF8to16;
    int passed = 0;
    int failed = 0;
    std::size_t traceLength = 0;
    std::size_t reportLength = 0;
    kaurl_status status =
        kaurl_self_test(&passed, &failed, nullptr, 0, &traceLength, nullptr, 0, &reportLength);
    std::string trace(traceLength, '\0');
    std::string report(reportLength, '\0');
    if (status == KAURL_BUFFER_TOO_SMALL) {
        status = kaurl_self_test(&passed, &failed, &trace[0], trace.size(), &traceLength,
                                 &report[0], report.size(), &reportLength);
    }
    ThrowIfOutOfMemory(status);
    return Answer(JsonObject()
                      .AddNumber("passed", static_cast<long long>(passed))
                      .AddNumber("failed", static_cast<long long>(failed))
                      .AddText("trace", UTF8to16(trace))
                      .AddText("report", UTF8to16(report))
                      .Text());
}
