// SPDX-License-Identifier: BSL-1.0
#include "ostraunittesting/UnitTesting.h"

#include <utility>

namespace ostraunittesting {

TestFailure::TestFailure(const std::string& expression, const LocationInfo& location)
    : std::runtime_error(expression),
      expression_(expression),
      function_(location.function != nullptr ? location.function : ""),
      file_(location.file != nullptr ? location.file : ""),
      line_(location.line) {}

bool TestCaseBase::Accept(TestVisitor& visitor) {
    return visitor.VisitTestCase(*this);
}

void TestSuite::AddTest(Test* test) {
    std::unique_ptr<Test> owned(test);
    tests_.push_back(std::move(owned));
}

bool TestSuite::Accept(TestVisitor& visitor) {
    return visitor.VisitSuite(*this);
}

}  // namespace ostraunittesting
