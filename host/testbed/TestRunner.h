#pragma once

#include "platform/vantrel/UnitTest.h"
#include "platform/win32/com_ptr.h"

#include <string>
#include <vector>

namespace Vantrel {

/// The result of one case of a self-test, as the runner reports it.
struct TestCaseResult {
    std::string name; // "<test>::<case>"
    bool passed = false;
    std::string message;
    double value = 0.0;
};

/// The host's test runner over the self-tests a module gave the test registry: each test is
/// prepared once (its cases registered), and cases run one at a time, each followed by reading its
/// result. A case whose RunTest fails counts as failed, with the failure code in the message.
class TestRunner {
public:
    explicit TestRunner(const std::vector<IUnitTest*>& tests);

    /// The case names of every test, in registry order.
    std::vector<std::string> caseNames() const;
    /// Runs the case of that name; a name no test has fails with a message saying so.
    TestCaseResult run(const std::string& name) const;
    /// Runs every case of every test.
    std::vector<TestCaseResult> runAll() const;

private:
    struct Case {
        IUnitTest* test;
        LONG index;
        std::string name;
    };

    TestCaseResult run(const Case& c) const;

    std::vector<ComPtr<IUnitTest>> mTests;
    std::vector<Case> mCases;
};

} // namespace Vantrel
