#include "host/engine/CalcEngine.h"

#include "host/engine/CalcClassCatalog.h"
#include "host/engine/FormulaError.h"
#include "host/engine/OnlineCalculation.h"
#include "platform/vantrel/EventRecords.h"
#include "tests/support/FakeCalcClass.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>

namespace Vantrel {
namespace {

using Testing::FakeCalcClass;
using Testing::FakeClassDef;
using Testing::FakeParam;

std::vector<EventRecord> decode(const std::vector<std::byte>& bytes) {
    std::vector<EventRecord> events(bytes.size() / 16);
    if (!events.empty())
        std::memcpy(static_cast<void*>(events.data()), bytes.data(), events.size() * 16);
    return events;
}

std::vector<float> sine(int count, double omega, double rate) {
    std::vector<float> samples;
    for (int k = 0; k < count; ++k)
        samples.push_back(static_cast<float>(std::sin(omega * k / rate)));
    return samples;
}

/// ch1: sin(30 t) at 1000 Hz over 3 s; ch2: events at ticks 100, 700, 1300; three fake classes.
class CalcEngineTest : public ::testing::Test {
protected:
    CalcEngineTest() : recording(std::vector<ChannelInfo>{{"Pressure", "mmHg"}, {"ECG", "mV"}}) {
        recording.addRecord(Record(0.001, {sine(3000, 30, 1000), std::vector<float>(3000, 0.0f)}));
        for (Tick tick : {100, 700, 1300})
            recording.addEvent(0, 1, {tick, tick / 100.0});
        relay = Testing::makeFake(
            {"Relay",
             "RelayOut",
             {{"Event Source"}, {"Offset", 0, -DBL_MAX, DBL_MAX}, {"Limit", 0, -1, DBL_MAX}}});
        sampler =
            Testing::makeFake({"Sampler", "", {{"Tick Source", kCalcParamSamples}, {"Step", 0, 1, 1e6}}});
        picker = Testing::makeFake(
            {"Picker Class",
             "PickerSelector",
             {{"Event Source"}, {"Calc Index", 0, 0, 2147483647}, {"P", 0, -DBL_MAX, DBL_MAX}},
             1,
             false});
        for (auto* c : {relay.Get(), sampler.Get(), picker.Get()})
            catalog->add(static_cast<ICalcEnumClass2*>(c));
    }

    Calculation compile(const char* text) { return engine.compile(std::string_view(text)); }

    Recording recording;
    ComPtr<FakeCalcClass> relay, sampler, picker;
    ComPtr<CalcClassCatalog> catalog = ComPtr<CalcClassCatalog>::Adopt(new CalcClassCatalog);
    CalcEngine engine{recording, ComPtr<ICalcService>(catalog.Get())};
};

TEST_F(CalcEngineTest, HandsEachClassItsNumbersInOneText) {
    struct Case {
        const char* formula;
        FakeCalcClass* calcClass;
        const char* text;
    } cases[] = {
        {"Relay(ch2, 2.5, -1)", relay.Get(), "2 2.5 -1"},
        {"relay(ch2)", relay.Get(), "0"},
        {"RELAY(ch2, -(1+1)*pi/pi, 2147483647)", relay.Get(), "2 -2 2147483647"},
        {"Relay(ch2, 4.60996e-05)", relay.Get(), "1 4.60996e-05"},
        {"PickerSelector(Relay(ch2), 3, 0.001)", picker.Get(), "3 0.001"},
        {"Sampler(ch1 * 2, 10)", sampler.Get(), "1 10"},
    };
    for (const Case& c : cases) {
        compile(c.formula);
        EXPECT_EQ(c.calcClass->log()->arguments.back(), c.text) << c.formula;
    }
}

TEST_F(CalcEngineTest, RefusesFormulasItCannotEvaluateWithThePosition) {
    struct Case {
        const char* formula;
        std::size_t position;
        const char* message;
    } cases[] = {
        {"Nothing(ch1)", 0, "unknown function 'nothing'"},
        {"Relay()", 0, "'relay' needs 1 sources but has 0"},
        {"Relay(ch2, 1, 2, 3)", 17, "'relay' takes at most 3 arguments"},
        {"Relay(ch2, t)", 11, "'Offset' of 'relay' must be a number"},
        {"Relay(ch2, 1, -2)", 14, "'Limit' of 'relay' must lie between -1 and 1.7976931348623157e+308"},
        {"Relay(ch2, 1/0)", 11, "'Offset' of 'relay' must be a finite number"},
        {"Relay(2 + t)", 6, "a signal where events are needed"},
        {"Relay(ch3)", 6, "there is no channel 3"},
        {"Sampler(Relay(ch2))", 8, "'relay' gives events where a signal is needed"},
        {"Sampler(cmpeakdet(ch1, 1))", 8, "'cmpeakdet' gives events where a signal is needed"},
        {"sin(cmpeakdet(ch1, 1))", 4, "'cmpeakdet' gives events, not a sample per tick"},
        {"cmpeakdet(ch1)", 0, "cmpeakdet takes a signal, a minimum height and a minimum period"},
        {"cmpeakdet(ch1, -1)", 15, "the minimum height of cmpeakdet must not be negative"},
        {"cmpeakdet(ch1, 1, ch1)", 18, "the minimum period of cmpeakdet must be a number"},
        {"ALEND(ch1)", 0, "unknown function 'alend'"},
        {"ch1 +", 5, "expected a number, a name or '(' but found the end of the text"},
    };
    for (const Case& c : cases) {
        try {
            compile(c.formula);
            ADD_FAILURE() << "accepted: " << c.formula;
        } catch (const FormulaError& e) {
            EXPECT_EQ(e.position(), c.position) << c.formula;
            EXPECT_EQ(e.message(), c.message) << c.formula;
        }
    }
}

TEST_F(CalcEngineTest, AnswersABadTextWithAFailureCode) {
    std::unique_ptr<Calculation> calculation;
    std::string error;
    EXPECT_EQ(engine.tryCompile(u"Relay(", calculation, error), E_INVALIDARG);
    EXPECT_FALSE(calculation);
    EXPECT_EQ(error, "column 7: expected a number, a name or '(' but found the end of the text");
    EXPECT_EQ(engine.tryCompile(u"cmpeakdet(ch1, 0.3)", calculation, error), S_OK);
    ASSERT_TRUE(calculation);
    EXPECT_TRUE(calculation->givesEvents());
}

TEST_F(CalcEngineTest, ReportsAClassThatRefusesItsArgumentsOrSources) {
    auto refusing = Testing::makeFake({"Stubborn", "", {{"Event Source"}}, 1, true, true});
    auto starting = Testing::makeFake({"Unstartable", "", {{"Event Source"}}, 1, true, false, true});
    catalog->add(static_cast<ICalcEnumClass2*>(refusing.Get()));
    catalog->add(static_cast<ICalcEnumClass2*>(starting.Get()));
    EXPECT_THROW(compile("Stubborn(ch2)"), FormulaError);
    Calculation calculation = compile("Relay(Unstartable(ch2))");
    try {
        calculation.events(0);
        FAIL();
    } catch (const FormulaError& e) {
        EXPECT_EQ(e.message(), "'unstartable' refused its sources (0x80004005)");
    }
    EXPECT_EQ(starting->log()->clears, 1); // a run that fails still clears what it started
}

TEST_F(CalcEngineTest, StopsAStreamThatMakesNoProgressInsteadOfHanging) {
    auto stuck = Testing::makeFake({"Stuck", "", {{"Event Source"}}, 1, true, false, false, true});
    catalog->add(static_cast<ICalcEnumClass2*>(stuck.Get()));
    try {
        compile("Stuck(ch2)").events(0);
        FAIL();
    } catch (const FormulaError& e) {
        EXPECT_EQ(e.message(), "'stuck' stopped at tick 5 of a complete record");
    }
}

TEST_F(CalcEngineTest, WiresInnerCalculationsAndHostFunctionsAsSources) {
    // Stored events passed through two relays, each adding its offset.
    std::vector<EventRecord> relayed = decode(compile("Relay(Relay(ch2, 1), 10)").events(0));
    ASSERT_EQ(relayed.size(), 3u);
    EXPECT_EQ(relayed[1].tick, 700);
    EXPECT_EQ(relayed[1].value, 7 + 1 + 10);
    // The host's peaks of sin(30 t): a maximum every 209.44 ticks from tick 52.
    std::vector<EventRecord> peaks = decode(compile("CMPeakDet(ch1, 0.3, 0.01)").events(0));
    ASSERT_EQ(peaks.size(), 14u);
    EXPECT_EQ(peaks[0].tick, 52);
    EXPECT_EQ(peaks[13].tick, std::lround((std::acos(0.0) + 26 * std::acos(-1.0)) / 30 * 1000));
    // A computed signal read through a sample cursor every 250 ticks.
    std::vector<EventRecord> sampled = decode(compile("Sampler(2 * ch1 + t, 250)").events(0));
    ASSERT_EQ(sampled.size(), 12u);
    EXPECT_FLOAT_EQ(static_cast<float>(sampled[3].value), static_cast<float>(2 * std::sin(22.5) + 0.75));
    const auto& start = sampler->log()->starts.back();
    EXPECT_EQ(start.sourceCount, 1);
    EXPECT_EQ(start.tickPeriod, 0.001);
    EXPECT_EQ(start.flags, 0u);
}

TEST_F(CalcEngineTest, GivesTheSameEventsOnlineAsOfflineWhateverTheBlocks) {
    const char* formulas[] = {"Relay(cmpeakdet(shift(ch1, -0.1), 1, 0), 0.5)",
                              "Sampler(shift(ch1, -0.05), 7)", "Relay(ch2)"};
    for (const char* formula : formulas) {
        const std::vector<std::byte> offline = compile(formula).events(0);
        for (std::size_t block : {1u, 13u, 512u, 5000u}) {
            Recording live(recording.channels());
            OnlineCalculation online(
                live,
                CalcEngine(live, ComPtr<ICalcService>(catalog.Get())).compile(std::string_view(formula)));
            live.startSampling(0.001);
            const Record& source = recording.record(0);
            for (std::size_t first = 0; first < 3000; first += block) {
                std::size_t n = std::min<std::size_t>(block, 3000 - first);
                std::vector<std::vector<float>> columns;
                for (std::size_t c = 0; c < 2; ++c) {
                    auto samples = source.samples(c).subspan(first, n);
                    columns.emplace_back(samples.begin(), samples.end());
                }
                // An event arrives with the block that holds its tick.
                for (const Event& e : source.events(1))
                    if (e.tick >= static_cast<Tick>(first) && e.tick < static_cast<Tick>(first + n))
                        live.addEvent(0, 1, e);
                live.appendBlock(columns);
            }
            EXPECT_FALSE(online.finished(0));
            live.stopSampling();
            EXPECT_TRUE(online.finished(0));
            EXPECT_EQ(online.events(0), offline) << formula << " in blocks of " << block;
        }
    }
    EXPECT_EQ(relay->log()->starts.back().flags, kCalcStartOnline);
}

} // namespace
} // namespace Vantrel
