// The enumerator test routines on test documents the host fills, against a calculation that keeps
// the enumerator contract and against ones with one fault each: every fault fails its check with
// its text, and none hangs a routine.

#include "TestSuite/UnitTestHelperLib/BounceTest.h"
#include "TestSuite/UnitTestHelperLib/FindTest.h"
#include "TestSuite/UnitTestHelperLib/OnlineOfflineComparison.h"
#include "TestSuite/UnitTestHelperLib/SetSourcesTest.h"
#include "TestSuite/UnitTestHelperLib/TestDocumentAccess.h"
#include "TestSuite/UnitTestHelperLib/TestStandardRoutines.h"
#include "tests/support/FaultyCalcClass.h"
#include "tests/support/ModuleHost.h"

#include <gtest/gtest.h>

#include <string>

namespace ExtLib {
namespace {

using Testing::Fault;

class RoutinesTest : public TarvikTest::ModuleHost {
protected:
    RoutinesTest() {
        faulty = ComPtr<Testing::FaultyCalcClass>::Adopt(new Testing::FaultyCalcClass);
        host->SelfTestBed().addCalcClass(static_cast<ICalcEnumClass2*>(faulty.Get()));
    }

    /// One source channel sin(30 t) at 1000 Hz, records of 2000 ticks, and text evaluated on them.
    static EnumTestConfig Config(const Ovo::String& text) {
        EnumTestConfig config;
        config.mEnumID = GetCalcGuidMsgId0();
        config.mExpressions = {Ovo::String(u"sin(30*t)")};
        config.mSourceIndices = {0};
        config.mArithString = text;
        config.mNumSamples = 2000;
        config.mSampleRates = {1000.0};
        return config;
    }
    static EnumTestConfig Config(Fault fault) {
        const std::string text = "Faulty(ch1, " + std::to_string(static_cast<int>(fault)) + ")";
        return Config(Ovo::String(text.c_str()));
    }

    /// The failure text the routine ends with; empty when it passes.
    template <class Routine> static std::string FailureOf(Routine routine) {
        try {
            routine();
        } catch (const UnitTestException& e) {
            return e.message().ToUtf8();
        }
        return {};
    }

    ComPtr<Testing::FaultyCalcClass> faulty;
};

using Routine = void (*)(const EnumTestConfig&);

struct RoutineCase {
    const char* name;
    Routine routine;
    Fault fault;
    const char* failure; // the whole text, or its start when it ends in "..."
};

void NextOffline(const EnumTestConfig& config) {
    TestNextOffline(config, sizeof(OvoEventBase));
}
void NextOnline(const EnumTestConfig& config) {
    TestNextOnline(config, sizeof(OvoEventBase));
}
void Bounce(const EnumTestConfig& config) {
    BounceTest<OvoEventBase>(config, false);
}
void Bounce2(const EnumTestConfig& config) {
    BounceTest<OvoEventBase>(config, true);
}

const RoutineCase kCases[] = {
    {"NextOffline", NextOffline, Fault::None, ""},
    {"NextOffline", NextOffline, Fault::FalseBeforeEnd,
     "TestStandardRoutines, Line 124 [nut==kRecordEndOffset || hr==S_OK], [Bad HResult from Next.]"},
    {"NextOffline", NextOffline, Fault::ShortBatch,
     "TestStandardRoutines, Line 126 [nRetd == numbufelems || nut == endTick || nut == kRecordEndOffset], "
     "[nRetd and nextUnexaminedTick inconsistent in Next.]"},
    {"NextOffline", NextOffline, Fault::NeverEnds,
     "TestStandardRoutines, Line 140 [preventinfiniteloop<4], [Enumerator isn't returning kRecordEndOffset "
     "at "
     "end of record]"},
    {"NextOffline", NextOffline, Fault::PastEnd,
     "TestStandardRoutines, Line 145 [hr == S_FALSE], [Enumerators should return S_FALSE when out of data "
     "and "
     "not filling.]"},
    {"NextOffline", NextOffline, Fault::RepeatsForever,
     "TestStandardRoutines, Line 127 [calls<=NextCallBudget(numsamples)], [Enumerator never finishes the "
     "record.]"},
    {"NextOffline", NextOffline, Fault::StuckBeforeEnd,
     "TestStandardRoutines, Line 141 [calls<=NextCallBudget(numsamples)], [Enumerator never finishes the "
     "record.]"},
    {"NextOnline", NextOnline, Fault::None, ""},
    {"NextOnline", NextOnline, Fault::FalseBeforeEnd,
     "TestStandardRoutines, Line 197 [hr==S_OK || nut==kRecordEndOffset], [S_FALSE and kRecordEndOffset must "
     "go "
     "together.]"},
    {"NextOnline", NextOnline, Fault::AheadOfData,
     "TestStandardRoutines, Line 198 [nut==kRecordEndOffset || nut <= itot], [NextUnusedTick returned by "
     "Next "
     "is bad.]"},
    {"NextOnline", NextOnline, Fault::RepeatsForever,
     "TestStandardRoutines, Line 199 [calls<=NextCallBudget(numsamples)], [Enumerator never finishes the "
     "record.]"},
    {"Bounce", Bounce, Fault::None, ""},
    {"Bounce2", Bounce2, Fault::None, ""},
    {"Bounce", Bounce, Fault::BounceSkips,
     "UnitTestHelperLib/TestStandardRoutinescpp, Line 192 [tp1 == tp2], [Bounce gave different result! Peak "
     "was "
     "at ..."},
    {"Bounce2", Bounce2, Fault::BounceSkips,
     "UnitTestHelperLib/TestStandardRoutinescpp, Line 192 [tp1 == tp2], [Bounce gave different result! Peak "
     "was "
     "at ..."},
    {"Bounce", Bounce, Fault::RepeatsForever,
     "UnitTestHelperLib/TestStandardRoutinescpp, Line 123 [edg.GetRecordData<TBufType>(i,results[i])]"},
    {"OnlineOffline", OnlineOfflineComparison<OvoEventBase>, Fault::None, ""},
    {"OnlineOffline", OnlineOfflineComparison<OvoEventBase>, Fault::OnlineValues,
     "UnitTestHelperLib/TestStandardRoutinescpp, Line 323 [EventHelper::same(buf[i],vec[ndx+i])], [Event #0 "
     "differs between online and offline ([50, 2] vs [50, 1]).]"},
    {"OnlineOffline", OnlineOfflineComparison<OvoEventBase>, Fault::OnlineReversed,
     "UnitTestHelperLib/TestStandardRoutinescpp, Line 323 [EventHelper::same(buf[i],vec[ndx+i])], [Event #0 "
     "differs between online and offline ([150, 2] vs [50, 1]).]"},
    {"OnlineOffline", OnlineOfflineComparison<OvoEventBase>, Fault::OnlineRepeats,
     "UnitTestHelperLib/TestStandardRoutinescpp, Line 323 [EventHelper::same(buf[i],vec[ndx+i])], [Event #1 "
     "differs between online and offline ([50, 1] vs [150, 2]).]"},
    {"OnlineOffline", OnlineOfflineComparison<OvoEventBase>, Fault::OnlineStopsEarly,
     "UnitTestHelperLib/TestStandardRoutinescpp, Line 336 [ndx==vec.size()], [Offline found 20 events, but "
     "online found 18 events!]"},
    {"OnlineOffline", OnlineOfflineComparison<OvoEventBase>, Fault::OverCounts,
     "UnitTestHelperLib/TestStandardRoutinescpp, Line 318 [n<=numbufelems], [Next reported more records than "
     "the buffer holds.]"},
    {"Find", TestFind<OvoEventBase>, Fault::None, ""},
    {"Find", TestFind<OvoEventBase>, Fault::FindStopsAtProbe,
     "UnitTestHelperLib/TestStandardRoutinescpp, Line 418 [nPos == pos0], [Find fails to find known event "
     "going "
     "backwards.]"},
    {"SetSources", TestSetSources<OvoEventBase>, Fault::None, ""},
    {"SetSources", TestSetSources<OvoEventBase>, Fault::IgnoresStart,
     "UnitTestHelperLib/TestStandardRoutinescpp, Line 807 [posok], [Incorrect position after SetSources (0 "
     "instead of 16999 in record with 17000 ticks).]"},
};

class RoutineCheckTest : public RoutinesTest, public ::testing::WithParamInterface<RoutineCase> {};

TEST_P(RoutineCheckTest, FailsExactlyAtTheFaultsCheck) {
    const RoutineCase& c = GetParam();
    const std::string failure = FailureOf([&] { c.routine(Config(c.fault)); });
    const std::string expected = c.failure;
    if (expected.size() > 3 && expected.ends_with("..."))
        EXPECT_EQ(failure.substr(0, expected.size() - 3), expected.substr(0, expected.size() - 3));
    else
        EXPECT_EQ(failure, expected);
}

INSTANTIATE_TEST_SUITE_P(Faults, RoutineCheckTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RoutineCase>& info) {
                             return std::string(info.param.name) + "_Fault" +
                                    std::to_string(static_cast<int>(info.param.fault));
                         });

TEST_F(RoutinesTest, ACalculationThatCannotBeReadFailsWithAMessageInsteadOfCrashing) {
    EXPECT_EQ(FailureOf([] { NextOffline(Config(Ovo::String(u"NoSuchCalculation(ch1)"))); }),
              "TestStandardRoutines, Line 108 [created], [The enumerator could not be created.]");
    // A sample formula has no events to read.
    EXPECT_EQ(FailureOf([] { NextOnline(Config(Ovo::String(u"2 * ch1"))); }),
              "TestStandardRoutines, Line 176 [started], [The enumerator could not be started.]");
    EXPECT_EQ(FailureOf([] {
                  OnlineOfflineComparison<OvoEventBase>(Config(Ovo::String(u"NoSuchCalculation(ch1)")));
              }),
              "UnitTestHelperLib/TestStandardRoutinescpp, Line 246 [edg.CreateEnum(config.mEnumID, "
              "config.mArithString)]");
}

TEST_F(RoutinesTest, TheContractTestsNeedMoreThan200Samples) {
    EnumTestConfig config = Config(Fault::None);
    config.mNumSamples = 200;
    EXPECT_EQ(FailureOf([&] { NextOffline(config); }), "TestStandardRoutines, Line 84 [numsamples>200]");
    EXPECT_EQ(FailureOf([&] { NextOnline(config); }), "TestStandardRoutines, Line 160 [numsamples>200]");
    config.mNumSamples = 201;
    EXPECT_EQ(FailureOf([&] { NextOffline(config); }), "");
}

TEST_F(RoutinesTest, FindNeedsThreeEventsAndTheComparisonOne) {
    EnumTestConfig config = Config(Fault::None);
    config.mNumSamples = 240; // events at 50 and 150 only
    EXPECT_EQ(
        FailureOf([&] { TestFind<OvoEventBase>(config); }),
        "UnitTestHelperLib/TestStandardRoutinescpp, Line 368 [vec.size()>2], [EventEnumTestFind Comparison "
        "needs some events to work with.]");
    config.mNumSamples = 40;
    EXPECT_EQ(
        FailureOf([&] { OnlineOfflineComparison<OvoEventBase>(config); }),
        "UnitTestHelperLib/TestStandardRoutinescpp, Line 248 [vec.size()>0], [OnlineOffline Comparison needs "
        "some events to work with.]");
}

TEST_F(RoutinesTest, ConfigurationTextsAreRefusedByTheTestDocuments) {
    EnumTestConfig config = Config(Fault::None);
    config.mDocumentTexts = {Ovo::String(u"some setting")};
    EXPECT_EQ(FailureOf([&] { NextOffline(config); }),
              "TestStandardRoutines, Line 66 [hr==S_OK], [The test document takes no configuration texts.]");
}

TEST_F(RoutinesTest, TheReaderGathersARecordInBatchesOfAHundred) {
    EnumTestConfig config = Config(Fault::None);
    const OfflineTestDocument document(config, 25050); // 250 events
    TestEventReader reader(document.Get(), kEnumGetterOffline);
    ASSERT_TRUE(reader.CreateEnum(config.mEnumID, config.mArithString));
    std::vector<OvoEventBase> events;
    ASSERT_TRUE(reader.GetRecordData(0, events));
    ASSERT_EQ(events.size(), 250u);
    EXPECT_EQ(events[249].tick, 24950);
    EXPECT_FALSE(reader.Started());

    const OfflineTestDocument empty(config, 40);
    TestEventReader emptyReader(empty.Get(), 1);
    ASSERT_TRUE(emptyReader.CreateEnum(config.mEnumID, config.mArithString));
    events.assign(3, OvoEventBase{});
    EXPECT_TRUE(emptyReader.GetRecordData(0, events));
    EXPECT_TRUE(events.empty());
}

} // namespace
} // namespace ExtLib
