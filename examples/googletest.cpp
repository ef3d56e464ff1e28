// SPDX-License-Identifier: BSL-1.0
// Running the library's self-test suite inside a GoogleTest program.
//! [example]
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include <kaurl/SelfTest.h>

namespace {

// Runs one test case of the unit-test framework as a GoogleTest test. It
// fails on the framework's failure call and on every mismatch line that
// kaurl's self-test writes to its trace.
class AdaptedTest : public testing::Test {
public:
    explicit AdaptedTest(ostraunittesting::TestCaseBase& testCase) : testCase_(testCase) {}

    void TestBody() override {
        std::ostringstream trace;
        ostraunittesting::TestContext context(trace);
        try {
            testCase_.Run(context);
        } catch (const ostraunittesting::TestFailure& failure) {
            ADD_FAILURE_AT(failure.File().c_str(), failure.Line())
                << failure.Expression() << " failed in " << failure.Function();
        }
        EXPECT_EQ(trace.str().find("Test failed!"), std::string::npos) << trace.str();
    }

private:
    ostraunittesting::TestCaseBase& testCase_;
};

// Registers each test case of a suite (nested suites included) with
// GoogleTest as <suite name>.<test case name>.
class Registrar : public ostraunittesting::TestVisitor {
public:
    bool VisitSuite(ostraunittesting::TestSuite& suite) override {
        const std::string outer = suiteName_;
        suiteName_ = suite.Name();
        for (const std::unique_ptr<ostraunittesting::Test>& test : suite.Tests()) {
            test->Accept(*this);
        }
        suiteName_ = outer;
        return true;
    }

    bool VisitTestCase(ostraunittesting::TestCaseBase& testCase) override {
        testing::RegisterTest(suiteName_.c_str(), testCase.Name().c_str(), nullptr, nullptr,
                              __FILE__, __LINE__,
                              [&testCase]() -> AdaptedTest* { return new AdaptedTest(testCase); });
        return true;
    }

private:
    std::string suiteName_;
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // The registered tests refer to the suite's test cases: keep it until the end.
    const std::unique_ptr<ostraunittesting::TestSuite> suite(kaurl::unittests::CreateTestSuite());
    Registrar registrar;
    suite->Accept(registrar);
    return RUN_ALL_TESTS();  // runs the test "kaurl.default"
}
//! [example]
