// SPDX-License-Identifier: BSL-1.0
// kaurl_web_self_test: the library's own suite, run as `kaurl selftest` runs it.
#include <memory>
#include <sstream>

#include "Answer.h"
#include "JsonObject.h"
#include "Playground.h"
#include "kaurl/SelfTest.h"
#include "ostracore/Utility.h"

extern "C" char* kaurl_web_self_test() {
    using ostracore::utility::UTF8to16;
    const std::unique_ptr<ostraunittesting::TestSuite> suite(kaurl::unittests::CreateTestSuite());
    std::ostringstream trace;
    std::ostringstream report;
    const ostraunittesting::RunSummary summary = ostraunittesting::RunSuite(*suite, trace, report);
    return kaurl::web::Answer(kaurl::web::JsonObject()
                                  .AddNumber("passed", static_cast<long long>(summary.passed))
                                  .AddNumber("failed", static_cast<long long>(summary.failed))
                                  .AddText("trace", UTF8to16(trace.str()))
                                  .AddText("report", UTF8to16(report.str()))
                                  .Text());
}
