// The seven cases of a self-test run through the host's test registry and test runner against a
// calculation whose enumerator has one fault: each case fails on the fault it exists to catch, its
// report naming the source, line, checked expression and message, and the same cases pass on the
// enumerator without a fault.

#include "host/testbed/TestRunner.h"
#include "selftest/SelfTestConfigs.h"
#include "selftest/SelfTests.h"
#include "tests/support/FaultyCalcClass.h"
#include "tests/support/ModuleHost.h"

#include <gtest/gtest.h>

#include <string>

namespace Tarvik {
namespace {

using ExtLib::Testing::Fault;

/// A self-test of the calculation "Faulty(ch1, fault)" on sin(30 t): events every 100 ticks, with
/// the fault set before a case runs. Records of 2000 ticks keep the cases short.
class Tarvik_TestFaulty : public ETB {
public:
    Fault fault = Fault::None;

protected:
    void RegisterTests() override { RegisterEnumCases<OvoEventBase>(u"Tarvik_TestFaulty"); }
    void SetUp() override {
        const std::string text = "Faulty(ch1, " + std::to_string(static_cast<int>(fault)) + ")";
        config = MakeTestConfig(Ovo::String(u"sin(30*t)"), Ovo::String(text.c_str()), 2000);
        mRecordSize = sizeof(OvoEventBase);
    }
};

class BrokenEnumeratorCase : public TarvikTest::ModuleHost {
protected:
    BrokenEnumeratorCase() {
        faulty = ComPtr<ExtLib::Testing::FaultyCalcClass>::Adopt(new ExtLib::Testing::FaultyCalcClass);
        host->SelfTestBed().addCalcClass(static_cast<ICalcEnumClass2*>(faulty.Get()));
        test = new Tarvik_TestFaulty;
        host->Tests().AddTest(test);
        runner = std::make_unique<Vantrel::TestRunner>(host->Tests().Tests());
    }

    Vantrel::TestCaseResult Run(const std::string& caseName, Fault fault) {
        test->fault = fault;
        return runner->run("Tarvik_TestFaulty::" + caseName);
    }

    ComPtr<ExtLib::Testing::FaultyCalcClass> faulty;
    Tarvik_TestFaulty* test = nullptr; // held by the registry
    std::unique_ptr<Vantrel::TestRunner> runner;
};

const char* const kRoutines = "UnitTestHelperLib/TestStandardRoutinescpp";

const struct {
    const char* caseName;
    Fault fault;
    std::string report; // whole, or its start when it ends in "..."
} kBroken[] = {
    {"EventEnumBounceTest", Fault::BounceSkips,
     std::string(kRoutines) + ", Line 192 [tp1 == tp2], [Bounce gave different result! Peak was at ..."},
    {"EventEnumBounceTest2", Fault::BounceSkips,
     std::string(kRoutines) + ", Line 192 [tp1 == tp2], [Bounce gave different result! Peak was at ..."},
    {"EventEnumTestNextOffline", Fault::NeverEnds,
     "TestStandardRoutines, Line 140 [preventinfiniteloop<4], [Enumerator isn't returning kRecordEndOffset "
     "at end of record]"},
    {"EventEnumTestNextOnline", Fault::AheadOfData,
     "TestStandardRoutines, Line 198 [nut==kRecordEndOffset || nut <= itot], [NextUnusedTick returned by "
     "Next is bad.]"},
    {"EventEnumOnlineOfflineComparison", Fault::OnlineRepeats,
     std::string(kRoutines) + ", Line 323 [EventHelper::same(buf[i],vec[ndx+i])], [Event #1 differs between "
                              "online and offline ([50, 1] vs [150, 2]).]"},
    {"EventEnumOnlineOfflineComparison", Fault::OnlineValues,
     std::string(kRoutines) + ", Line 323 [EventHelper::same(buf[i],vec[ndx+i])], [Event #0 differs between "
                              "online and offline ([50, 2] vs [50, 1]).]"},
    {"EventEnumOnlineOfflineComparison", Fault::OnlineStopsEarly,
     std::string(kRoutines) + ", Line 336 [ndx==vec.size()], [Offline found 20 events, but online found 18 "
                              "events!]"},
    {"EventEnumTestFind", Fault::FindStopsAtProbe,
     std::string(kRoutines) + ", Line 418 [nPos == pos0], [Find fails to find known event going backwards.]"},
    {"EventEnumTestSetSourcesPellumo", Fault::IgnoresStart,
     std::string(kRoutines) + ", Line 807 [posok], [Incorrect position after SetSources (0 instead of 16999 "
                              "in record with 17000 ticks).]"},
};

TEST_F(BrokenEnumeratorCase, EveryCasePassesOnAnEnumeratorThatKeepsTheContract) {
    ASSERT_EQ(runner->caseNames().size(), 7u);
    for (const std::string& name : runner->caseNames()) {
        test->fault = Fault::None;
        const Vantrel::TestCaseResult result = runner->run(name);
        EXPECT_TRUE(result.passed) << name << ": " << result.message;
        EXPECT_EQ(result.value, 60.0);
    }
}

TEST_F(BrokenEnumeratorCase, EachFaultFailsItsCaseWithSourceLineExpressionAndMessage) {
    for (const auto& row : kBroken) {
        const Vantrel::TestCaseResult result = Run(row.caseName, row.fault);
        EXPECT_FALSE(result.passed) << row.caseName;
        if (row.report.ends_with("..."))
            EXPECT_EQ(result.message.substr(0, row.report.size() - 3),
                      row.report.substr(0, row.report.size() - 3))
                << row.caseName << ": " << result.message;
        else
            EXPECT_EQ(result.message, row.report) << row.caseName;
        // The result describes the last run only: the same case passes once the fault is gone.
        EXPECT_TRUE(Run(row.caseName, Fault::None).passed) << row.caseName;
    }
}

} // namespace
} // namespace Tarvik
