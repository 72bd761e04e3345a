// Every case of the module's five self-tests, run through the host as its test runner runs them:
// the module loaded from libtarvik.so, its tests taken from the host's test registry, each test
// prepared, and each case run and its result read. One test per case, so that the cases run apart.

#include "host/loader/Host.h"
#include "host/testbed/TestRunner.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace Vantrel {
namespace {

const char* const kTests[] = {"Tarvik_TestEdpDetector", "Tarvik_TestEdpDetector_ECG",
                              "Tarvik_TestEventDetector", "Tarvik_TestSelector", "Tarvik_TestPVAEvents"};
const char* const kCases[] = {"EventEnumBounceTest",
                              "EventEnumBounceTest2",
                              "EventEnumTestNextOffline",
                              "EventEnumTestNextOnline",
                              "EventEnumOnlineOfflineComparison",
                              "EventEnumTestFind",
                              "EventEnumTestSetSourcesPellumo"};

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const char* test : kTests)
        for (const char* c : kCases)
            names.push_back(std::string(test) + "::" + c);
    return names;
}

/// The host with the module loaded, once per test program.
class SelfTestRun : public ::testing::TestWithParam<std::string> {
protected:
    static void SetUpTestSuite() {
        host = std::make_unique<Host>();
        loaded = host->LoadModule();
        runner = std::make_unique<TestRunner>(host->Tests().Tests());
    }
    static void TearDownTestSuite() {
        runner.reset();
        host.reset();
    }

    static std::unique_ptr<Host> host;
    static HRESULT loaded;
    static std::unique_ptr<TestRunner> runner;
};

std::unique_ptr<Host> SelfTestRun::host;
HRESULT SelfTestRun::loaded = E_FAIL;
std::unique_ptr<TestRunner> SelfTestRun::runner;

TEST_F(SelfTestRun, TheRegistryHoldsTheFiveTestsSevenCasesInOrder) {
    ASSERT_EQ(loaded, S_OK);
    EXPECT_EQ(runner->caseNames(), CaseNames());
}

TEST_P(SelfTestRun, PassesThroughTheHost) {
    ASSERT_EQ(loaded, S_OK);
    const TestCaseResult result = runner->run(GetParam());
    EXPECT_TRUE(result.passed) << result.message;
    EXPECT_EQ(result.value, 60.0);
}

INSTANTIATE_TEST_SUITE_P(Cases, SelfTestRun, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             name.replace(name.find("::"), 2, "_");
                             return name;
                         });

} // namespace
} // namespace Vantrel
