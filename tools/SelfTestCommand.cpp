// SPDX-License-Identifier: BSL-1.0
#include "SelfTestCommand.h"

#include <iostream>
#include <memory>

#include "kaurl/SelfTest.h"
#include "ostraunittesting/UnitTesting.h"

namespace kaurl::tool {

SelfTestCommand::SelfTestCommand(CLI::App& parent)
    : Subcommand(parent, "selftest", "Run the library's built-in test suite") {
    Command().footer("Example:\n  kaurl selftest");
}

int SelfTestCommand::Run() {
    const std::unique_ptr<ostraunittesting::TestSuite> suite(unittests::CreateTestSuite());
    const ostraunittesting::RunSummary summary =
        ostraunittesting::RunSuite(*suite, std::cout, std::cerr);
    std::cout << summary.passed << " passed, " << summary.failed << " failed\n";
    return summary.failed == 0 ? 0 : 1;
}

}  // namespace kaurl::tool
