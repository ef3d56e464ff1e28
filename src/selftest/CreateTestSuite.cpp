// SPDX-License-Identifier: BSL-1.0
#include <memory>
#include <string>

#include "kaurl/SelfTest.h"
#include "selftest/TestURL.h"

namespace kaurl::unittests {
namespace {

constexpr char kSuiteName[] = "kaurl";
constexpr char kTestName[] = "default";

}  // namespace

ostraunittesting::TestSuite* CreateTestSuite() {
    auto suite = std::make_unique<ostraunittesting::TestSuite>(std::string(kSuiteName));
    suite->AddTest(
        new ostraunittesting::TestCase<TestURL>(std::string(kTestName), &TestURL::DefaultTest));
    return suite.release();
}

}  // namespace kaurl::unittests
