#include "host/testbed/TestRunner.h"

#include "host/engine/HresultText.h"
#include "host/framework/Text.h"

namespace Vantrel {
namespace {

std::string TakeText(IAutoOvoString* text) {
    return Utf16ToUtf8(TakeString(text));
}

} // namespace

TestRunner::TestRunner(const std::vector<IUnitTest*>& tests) {
    for (IUnitTest* test : tests) {
        if (!test)
            continue;
        mTests.emplace_back(test);
        test->PrepareTests();
        LONG count = 0;
        test->GetTestCount(&count);
        for (LONG index = 0; index < count; ++index) {
            IAutoOvoString* name = nullptr;
            test->GetTestName(index, &name);
            mCases.push_back({test, index, TakeText(name)});
        }
    }
}

std::vector<std::string> TestRunner::caseNames() const {
    std::vector<std::string> names;
    for (const Case& c : mCases)
        names.push_back(c.name);
    return names;
}

TestCaseResult TestRunner::run(const Case& c) const {
    TestCaseResult result;
    result.name = c.name;
    c.test->GetTestValue(c.index, &result.value);
    const HRESULT hr = c.test->RunTest(c.index);
    if (FAILED(hr)) {
        result.message = "RunTest failed with " + hresultText(hr);
        return result;
    }
    VARIANT_BOOL passed = VARIANT_FALSE;
    IAutoOvoString* message = nullptr;
    c.test->GetResult(&passed, &message);
    result.passed = passed != VARIANT_FALSE;
    result.message = TakeText(message);
    return result;
}

TestCaseResult TestRunner::run(const std::string& name) const {
    for (const Case& c : mCases)
        if (c.name == name)
            return run(c);
    return {name, false, "no test has a case of that name", 0.0};
}

std::vector<TestCaseResult> TestRunner::runAll() const {
    std::vector<TestCaseResult> results;
    for (const Case& c : mCases)
        results.push_back(run(c));
    return results;
}

} // namespace Vantrel
