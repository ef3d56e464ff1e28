// SPDX-License-Identifier: BSL-1.0
#include <exception>

#include "ostraunittesting/UnitTesting.h"

namespace ostraunittesting {
namespace {

class RunningVisitor : public TestVisitor {
public:
    RunningVisitor(std::ostream& trace, std::ostream& report) : trace_(trace), report_(report) {}

    bool VisitSuite(TestSuite& suite) override {
        const std::string outer = suiteName_;
        suiteName_ = suite.Name();
        for (const auto& test : suite.Tests()) {
            test->Accept(*this);
        }
        suiteName_ = outer;
        return true;
    }

    bool VisitTestCase(TestCaseBase& testCase) override {
        TestContext context(trace_);
        try {
            testCase.Run(context);
            ++summary_.passed;
            return true;
        } catch (const TestFailure& failure) {
            Fail(testCase) << "assertion " << failure.Expression() << " failed in "
                           << failure.Function() << " at " << failure.File() << ':'
                           << failure.Line() << '\n';
        } catch (const std::exception& error) {
            Fail(testCase) << "exception: " << error.what() << '\n';
        } catch (...) {
            Fail(testCase) << "unknown exception\n";
        }
        return true;
    }

    RunSummary Summary() const { return summary_; }

private:
    std::ostream& Fail(const TestCaseBase& testCase) {
        ++summary_.failed;
        return report_ << suiteName_ << '/' << testCase.Name() << " FAILED: ";
    }

    std::ostream& trace_;
    std::ostream& report_;
    std::string suiteName_;
    RunSummary summary_;
};

}  // namespace

RunSummary RunSuite(TestSuite& suite, std::ostream& trace, std::ostream& report) {
    RunningVisitor visitor(trace, report);
    suite.Accept(visitor);
    return visitor.Summary();
}

}  // namespace ostraunittesting
