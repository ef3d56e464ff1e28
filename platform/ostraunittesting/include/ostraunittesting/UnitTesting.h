// SPDX-License-Identifier: BSL-1.0
#pragma once

/// @file
/// The host's unit-test framework, as far as the library's self-test needs it.

#include <cstdint>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ostraunittesting/Export.h"

/// Stand-in for the host's unit-test framework: named suites of named test
/// cases, a context with a narrow trace stream, and a failure call.
/// kaurl::unittests::CreateTestSuite makes the library's suite.
namespace ostraunittesting {

class TestVisitor;
class TestCaseBase;
class TestSuite;

/// Root of everything a suite holds: test cases and nested suites. The example
/// @ref unittesting.cpp walks a suite's tests with a visitor.
class OSTRAUNITTESTING_API Test {
public:
    virtual ~Test() = default;
    /// Dispatches to the visitor and returns what the visitor returns.
    /// @param visitor The visitor to call back.
    /// @return The visitor's answer.
    virtual bool Accept(TestVisitor& visitor) = 0;
};

/// Where a failed assertion stands.
struct LocationInfo {
    const char* function;  ///< the function's name
    const char* file;      ///< the source file's name
    std::int32_t line;     ///< the line in that file
};

/// The object handed to a running test.
class TestContext {
public:
    /// A context whose trace goes to `trace`.
    /// @param trace The trace stream; it must outlive the context.
    explicit TestContext(std::ostream& trace) : trace_(trace) {}
    /// The test's trace stream: progress lines and mismatches.
    /// @return The stream given to the constructor.
    std::ostream& TraceOut() const { return trace_; }

private:
    std::ostream& trace_;
};

/// The framework's failure, raised by ThrowTestFailure.
class OSTRAUNITTESTING_API TestFailure : public std::runtime_error {
public:
    /// A failure of `expression` at `location`.
    /// @param expression The text of the failed expression.
    /// @param location Where it failed; null names become "".
    TestFailure(const std::string& expression, const LocationInfo& location);
    /// @return The text of the failed expression.
    const std::string& Expression() const { return expression_; }
    /// @return The name of the function that failed.
    const std::string& Function() const { return function_; }
    /// @return The name of the source file.
    const std::string& File() const { return file_; }
    /// @return The line in the source file.
    std::int32_t Line() const { return line_; }

private:
    std::string expression_;
    std::string function_;
    std::string file_;
    std::int32_t line_;
};

/// Reports a failed assertion; this stand-in throws TestFailure. A host's
/// framework may instead record the failure and return, so callers must not
/// rely on the call never returning.
/// @param expression The text of the failed expression; null becomes "".
/// @param location Where it failed.
OSTRAUNITTESTING_API void ThrowTestFailure(const char* expression, LocationInfo location);

/// A named test case; Run does the testing.
class OSTRAUNITTESTING_API TestCaseBase : public Test {
public:
    /// A test case called `name`.
    /// @param name The test case's name.
    explicit TestCaseBase(const std::string& name) : name_(name) {}
    ~TestCaseBase() override = default;
    /// Calls TestVisitor::VisitTestCase.
    /// @param visitor The visitor to call back.
    /// @return The visitor's answer.
    bool Accept(TestVisitor& visitor) override;
    /// Runs the test. A failed assertion throws TestFailure.
    /// @param context The context of this run.
    virtual void Run(TestContext& context) = 0;
    /// @return The test case's name.
    const std::string& Name() const { return name_; }

private:
    std::string name_;
};

/// A test case that runs one method of a fresh Fixture object.
/// @tparam Fixture A default-constructible class holding the test method.
template <class Fixture>
class TestCase : public TestCaseBase {
public:
    /// A test method of the fixture.
    using Method = void (Fixture::*)(const TestContext&);

    /// A test case called `name` that runs `method`.
    /// @param name The test case's name.
    /// @param method The fixture's test method.
    TestCase(const std::string& name, Method method) : TestCaseBase(name), testMethod(method) {}
    ~TestCase() override = default;

    /// Makes a fixture and calls the test method on it with `context`.
    /// @param context The context of this run.
    void Run(TestContext& context) override {
        Fixture fixture;
        (fixture.*testMethod)(context);
    }

    /// The method that Run calls.
    Method testMethod;
};

/// A named list of tests; owns what AddTest hands it.
class OSTRAUNITTESTING_API TestSuite : public Test {
public:
    /// An empty suite called `name`.
    /// @param name The suite's name.
    explicit TestSuite(const std::string& name) : name_(name) {}
    TestSuite(const TestSuite&) = delete;
    TestSuite& operator=(const TestSuite&) = delete;
    /// Calls TestVisitor::VisitSuite.
    /// @param visitor The visitor to call back.
    /// @return The visitor's answer.
    bool Accept(TestVisitor& visitor) override;
    /// Takes `test` over at once, so it is freed even when storing it fails.
    /// @param test A test made with new; the suite deletes it.
    void AddTest(Test* test);
    /// @return The suite's name.
    const std::string& Name() const { return name_; }
    /// @return The tests, in the order they were added.
    const std::vector<std::unique_ptr<Test>>& Tests() const { return tests_; }

private:
    std::string name_;
    std::vector<std::unique_ptr<Test>> tests_;
};

/// What a suite's tests are handed to; RunSuite's visitor runs them.
class OSTRAUNITTESTING_API TestVisitor {
public:
    virtual ~TestVisitor() = default;
    /// Called for a suite.
    /// @param suite The suite visited.
    /// @return Whether to go on.
    virtual bool VisitSuite(TestSuite& suite) = 0;
    /// Called for a test case.
    /// @param testCase The test case visited.
    /// @return Whether to go on.
    virtual bool VisitTestCase(TestCaseBase& testCase) = 0;
};

/// How many test cases of a run passed and failed.
struct RunSummary {
    int passed = 0;  ///< test cases that returned normally
    int failed = 0;  ///< test cases that threw
};

/// Runs every test case of `suite` (nested suites included). Each test writes
/// its trace to `trace`; each failed test case gets one line on `report`
/// naming the suite, the test case and what failed.
/// @param suite The suite to run.
/// @param trace Receives the tests' trace.
/// @param report Receives one line per failed test case.
/// @return The counts of passed and failed test cases.
OSTRAUNITTESTING_API RunSummary RunSuite(TestSuite& suite, std::ostream& trace,
                                         std::ostream& report);

}  // namespace ostraunittesting
