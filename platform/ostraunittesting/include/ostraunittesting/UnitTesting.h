// SPDX-License-Identifier: BSL-1.0
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

// Stand-in for the host's unit-test framework: named suites of named test
// cases, a context with a narrow trace stream, and a failure call.
namespace ostraunittesting {

class TestVisitor;
class TestCaseBase;
class TestSuite;

// Root of everything a suite holds.
class Test {
public:
    virtual ~Test() = default;
    // Dispatches to the visitor and returns what the visitor returns.
    virtual bool Accept(TestVisitor& visitor) = 0;
};

// Where a failed assertion stands.
struct LocationInfo {
    const char* function;
    const char* file;
    std::int32_t line;
};

// The object handed to a running test.
class TestContext {
public:
    explicit TestContext(std::ostream& trace) : trace_(trace) {}
    std::ostream& TraceOut() const { return trace_; }

private:
    std::ostream& trace_;
};

// The framework's failure, raised by ThrowTestFailure.
class TestFailure : public std::runtime_error {
public:
    TestFailure(const std::string& expression, const LocationInfo& location);
    const std::string& Expression() const { return expression_; }
    const std::string& Function() const { return function_; }
    const std::string& File() const { return file_; }
    std::int32_t Line() const { return line_; }

private:
    std::string expression_;
    std::string function_;
    std::string file_;
    std::int32_t line_;
};

// Reports a failed assertion; this stand-in throws TestFailure. A host's
// framework may instead record the failure and return, so callers must not
// rely on the call never returning.
void ThrowTestFailure(const char* expression, LocationInfo location);

class TestCaseBase : public Test {
public:
    explicit TestCaseBase(const std::string& name) : name_(name) {}
    ~TestCaseBase() override = default;
    bool Accept(TestVisitor& visitor) override;
    virtual void Run(TestContext& context) = 0;
    const std::string& Name() const { return name_; }

private:
    std::string name_;
};

// A test case that runs one method of a fresh Fixture object.
template <class Fixture>
class TestCase : public TestCaseBase {
public:
    using Method = void (Fixture::*)(const TestContext&);

    TestCase(const std::string& name, Method method) : TestCaseBase(name), testMethod(method) {}
    ~TestCase() override = default;

    void Run(TestContext& context) override {
        Fixture fixture;
        (fixture.*testMethod)(context);
    }

    Method testMethod;
};

// A named list of tests; owns what AddTest hands it.
class TestSuite : public Test {
public:
    explicit TestSuite(const std::string& name) : name_(name) {}
    bool Accept(TestVisitor& visitor) override;
    // Takes `test` over at once, so it is freed even when storing it fails.
    void AddTest(Test* test);
    const std::string& Name() const { return name_; }
    const std::vector<std::unique_ptr<Test>>& Tests() const { return tests_; }

private:
    std::string name_;
    std::vector<std::unique_ptr<Test>> tests_;
};

class TestVisitor {
public:
    virtual ~TestVisitor() = default;
    virtual bool VisitSuite(TestSuite& suite) = 0;
    virtual bool VisitTestCase(TestCaseBase& testCase) = 0;
};

struct RunSummary {
    int passed = 0;
    int failed = 0;
};

// Runs every test case of `suite` (nested suites included). Each test writes
// its trace to `trace`; each failed test case gets one line on `report`
// naming the suite, the test case and what failed.
RunSummary RunSuite(TestSuite& suite, std::ostream& trace, std::ostream& report);

}  // namespace ostraunittesting
