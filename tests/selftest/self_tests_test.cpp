#include "selftest/SelfTests.h"

#include "TestSuite/UnitTestHelperLib/UnitTestException.h"
#include "core/XOvo.h"
#include "selftest/SelfTestConfigs.h"
#include "tests/support/ModuleHost.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace Tarvik {
namespace {

Ovo::String Take(IAutoOvoString* text) {
    Ovo::String string;
    string.AssignAndRelease(text);
    return string;
}

struct Result {
    bool passed;
    Ovo::String message;
};

Result ResultOf(IUnitTest& test) {
    VARIANT_BOOL passed = 0;
    IAutoOvoString* message = nullptr;
    EXPECT_EQ(test.GetResult(&passed, &message), S_OK);
    EXPECT_TRUE(passed == VARIANT_TRUE || passed == VARIANT_FALSE);
    return {passed == VARIANT_TRUE, Take(message)};
}

/// A test whose cases throw what they are told to, and which counts its set-ups and tear-downs.
class ThrowingTest : public UnitTestBase {
public:
    int setUps = 0;
    int tearDowns = 0;

protected:
    void RegisterTests() override {
        AddTest(
            Ovo::String(u"Throwing::Passes"), [] {}, 1.5);
        AddTest(
            Ovo::String(u"Throwing::FailsACheck"),
            [] {
                ExtLib::Check(false, {".\\Somewhere", 12, "x==1"}, Ovo::String(u"x is not 1."));
            },
            2.5);
        AddTest(
            Ovo::String(u"Throwing::ThrowsXOvo"), [] { throw XOvo(Ovo::String(u"Broken"), 0); }, 0.0);
        AddTest(
            Ovo::String(u"Throwing::ThrowsStd"), [] { throw std::runtime_error("out of range"); }, 0.0);
        AddTest(
            Ovo::String(u"Throwing::ThrowsInt"), [] { throw 42; }, 0.0);
    }
    void SetOwnerInfo() override { SetOwner(Ovo::String(u"someone"), true); }
    void SetUp() override { ++setUps; }
    void TearDown() override { ++tearDowns; }
};

TEST(UnitTestBase, RunsACaseBetweenSetUpAndTearDownAndReportsOnlyTheLastRun) {
    auto* test = new ThrowingTest;
    test->AddRef();
    LONG count = -1;
    EXPECT_EQ(test->GetTestCount(&count), S_OK);
    EXPECT_EQ(count, 0) << "no case before PrepareTests";
    EXPECT_EQ(test->GetTestCount(nullptr), E_FAIL);
    EXPECT_TRUE(ResultOf(*test).passed);
    EXPECT_EQ(test->PrepareTests(), S_OK);
    test->GetTestCount(&count);
    EXPECT_EQ(count, 5);

    EXPECT_EQ(test->RunTest(1), S_OK);
    Result result = ResultOf(*test);
    EXPECT_FALSE(result.passed);
    EXPECT_EQ(result.message, Ovo::String(u"Somewhere, Line 12 [x==1], [x is not 1.]"));
    EXPECT_EQ(test->tearDowns, 0) << "a failed check skips the tear-down";
    EXPECT_EQ(test->RunTest(0), S_OK);
    result = ResultOf(*test);
    EXPECT_TRUE(result.passed);
    EXPECT_TRUE(result.message.IsEmpty());
    EXPECT_EQ(test->setUps, 2);
    EXPECT_EQ(test->tearDowns, 1);
    EXPECT_EQ(test->RunTest(5), E_INVALIDARG);
    test->Release();
}

TEST(UnitTestBase, EveryExceptionOfACaseFailsItAtTheBoundary) {
    auto* test = new ThrowingTest;
    test->AddRef();
    test->PrepareTests();
    const struct {
        LONG index;
        const char16_t* message;
    } cases[] = {{2, u"Broken"}, {3, u"out of range"}, {4, u"Unknown exception"}};
    for (const auto& c : cases) {
        EXPECT_EQ(test->RunTest(c.index), S_OK);
        const Result result = ResultOf(*test);
        EXPECT_FALSE(result.passed);
        EXPECT_EQ(result.message, Ovo::String(c.message));
    }
    test->Release();
}

TEST(UnitTestBase, NamesValuesAndOwnerOfTheCases) {
    auto* test = new ThrowingTest;
    test->AddRef();
    test->PrepareTests();
    IAutoOvoString* name = nullptr;
    EXPECT_EQ(test->GetTestName(1, &name), S_OK);
    EXPECT_EQ(Take(name), Ovo::String(u"Throwing::FailsACheck"));
    EXPECT_EQ(test->GetTestName(9, &name), E_INVALIDARG);
    EXPECT_EQ(name, nullptr);
    double value = 0.0;
    EXPECT_EQ(test->GetTestValue(1, &value), S_OK);
    EXPECT_EQ(value, 2.5);
    IAutoOvoString* owner = nullptr;
    EXPECT_EQ(test->GetOwner(&owner), S_OK);
    EXPECT_EQ(Take(owner), Ovo::String(u"someone@tarvik.example"));
    void* other = &value;
    EXPECT_EQ(test->QueryInterface(IID_ITestRegistry, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    test->Release();
}

/// The tests are made while the module registers, with the host's services at hand.
class SelfTests : public TarvikTest::ModuleHost {};

TEST_F(SelfTests, EachRegistersItsSevenCasesAtSixty) {
    const char16_t* caseNames[] = {u"EventEnumBounceTest",
                                   u"EventEnumBounceTest2",
                                   u"EventEnumTestNextOffline",
                                   u"EventEnumTestNextOnline",
                                   u"EventEnumOnlineOfflineComparison",
                                   u"EventEnumTestFind",
                                   u"EventEnumTestSetSourcesPellumo"};
    const struct {
        UnitTestBase* test;
        const char16_t* name;
    } tests[] = {{new Tarvik_TestEdpDetector, u"Tarvik_TestEdpDetector"},
                 {new Tarvik_TestEdpDetector_ECG, u"Tarvik_TestEdpDetector_ECG"},
                 {new Tarvik_TestEventDetector, u"Tarvik_TestEventDetector"},
                 {new Tarvik_TestSelector, u"Tarvik_TestSelector"},
                 {new Tarvik_TestPVAEvents, u"Tarvik_TestPVAEvents"}};
    for (const auto& t : tests) {
        t.test->AddRef();
        t.test->PrepareTests();
        t.test->PrepareTests();
        LONG count = 0;
        t.test->GetTestCount(&count);
        ASSERT_EQ(count, 14) << "a second PrepareTests appends the cases again";
        for (LONG i = 0; i < count; ++i) {
            IAutoOvoString* name = nullptr;
            t.test->GetTestName(i, &name);
            Ovo::String expected(t.name);
            expected += u"::";
            expected += caseNames[i % 7];
            EXPECT_EQ(Take(name), expected);
            double value = 0.0;
            t.test->GetTestValue(i, &value);
            EXPECT_EQ(value, 60.0);
        }
        EXPECT_EQ(t.test->Release(), 0u);
    }
}

TEST_F(SelfTests, ThePressureVolumeAreaTextHasSixSignificantDigits) {
    EXPECT_EQ(
        PvaCalcText(),
        Ovo::String(u"PvaCalc(TarvikAnalyzer(ch1, 0.25 * 3 * t * (0.05 * sin(10 * t) + 0.06), PVEdpDet(ch1, "
                    u"cmpeakdet(ch1, 5, 0.0), 5), -1, -1, -1, -1), "
                    u"0,0,0.0187671,4.60996e-05,0.00684076,258.709,0,0.0183904,8.17279)"));
    const ExtLib::EnumTestConfig config = MakeTestConfig(PvaPressureFormula(), PvaCalcText(), 326000);
    EXPECT_EQ(config.mExpressions,
              std::vector<Ovo::String>{Ovo::String(u"3 * t * (0.5 * sin(pi/2 - 10 * t) + 0.61)")});
    EXPECT_EQ(config.mSampleRates, std::vector<double>{1000.0});
    EXPECT_EQ(config.mNumSamples, 326000u);
    EXPECT_EQ(config.mRecordCount, 3u);
    EXPECT_FALSE(config.filling);
}

} // namespace
} // namespace Tarvik
