// The module's calculation classes evaluated by the engine, as the host evaluates them: on a
// generated pressure, volume and ECG recording whose beats are known, offline and while sampling.

#include "analysis/CalcEnumClasses.h"
#include "analysis/NoValue.h"
#include "analysis/OvoEventBase.h"
#include "analysis/TarvikEdpEvent.h"
#include "analysis/TarvikEvent.h"
#include "core/String.h"
#include "host/engine/CalcClassCatalog.h"
#include "host/engine/CalcEngine.h"
#include "host/engine/DocumentData.h"
#include "host/engine/OnlineCalculation.h"
#include "tests/support/FakeCalcClass.h"
#include "tools/pvsim/Simulation.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <numbers>

namespace Vantrel {
namespace {

using Tarvik::TarvikEdpEvent;
using Tarvik::TarvikEvent;

template <class E> std::vector<E> decode(const std::vector<std::byte>& bytes) {
    std::vector<E> events(bytes.size() / sizeof(E));
    if (!events.empty())
        std::memcpy(static_cast<void*>(events.data()), bytes.data(), events.size() * sizeof(E));
    return events;
}

ComPtr<CalcClassCatalog> moduleClasses() {
    auto catalog = ComPtr<CalcClassCatalog>::Adopt(new CalcClassCatalog);
    for (ICalcEnumClass2* calcClass : CalcEnums::CalcClassObjects())
        catalog->add(calcClass);
    return catalog;
}

/// Evaluates formulas on a recording through the module's classes, with the recording's document
/// as the enumerators' host.
struct Evaluator {
    explicit Evaluator(Recording& recording)
        : document(ComPtr<DocumentData>::Adopt(new DocumentData(recording))),
          engine(recording, ComPtr<ICalcService>(classes.Get()),
                 ComPtr<IUnknown>(static_cast<IDocumentData*>(document.Get()))) {}

    template <class E> std::vector<E> events(const char* formula, std::int32_t record = 0) const {
        return decode<E>(engine.compile(std::string_view(formula)).events(record));
    }

    ComPtr<CalcClassCatalog> classes = moduleClasses();
    ComPtr<DocumentData> document;
    CalcEngine engine;
};

/// 3 s of a mouse at 500 bpm sampled at 1 kHz: 25 beats of 120 ticks, R waves from tick 50.
class GeneratedRecordingTest : public ::testing::Test {
protected:
    static PvSim::SimParams params() {
        PvSim::SimParams p = PvSim::SimParams::steadyPreset();
        p.duration = 3.0;
        return p;
    }

    GeneratedRecordingTest() : simulation(PvSim::simulate(params())), evaluator(simulation.recording) {}

    const std::vector<PvSim::BeatTruth>& beats() const { return simulation.beats; }
    float sample(std::size_t channel, Tick tick) const {
        return simulation.recording.record(0).samples(channel)[static_cast<std::size_t>(tick)];
    }

    PvSim::Simulation simulation;
    Evaluator evaluator;
};

constexpr const char* ecgDetector = "PVEcgEdpDet(CMPeakDet(ch3, 0.5, 0.05), -1, -1, -1, -1)";
constexpr const char* pressureDetector = "PVEdpDet(ch1, CMPeakDet(ch1, 20, 0.05), 20, -1, -1, -1, -1)";

TEST_F(GeneratedRecordingTest, TheEcgDetectorFindsEveryRWaveOnce) {
    const auto found = evaluator.events<TarvikEdpEvent>(ecgDetector);
    // The R wave is the ECG's largest sample; the record may end on one more R wave than the
    // complete beats the generator reports.
    ASSERT_GE(found.size(), beats().size());
    ASSERT_LE(found.size(), beats().size() + 1);
    for (std::size_t i = 0; i < beats().size(); ++i) {
        EXPECT_EQ(found[i].tick, beats()[i].edTick) << i;
        EXPECT_EQ(found[i].secondTick, 0) << i; // no peak part from ECG events
    }
}

TEST_F(GeneratedRecordingTest, ThePressureDetectorFindsEveryBeatOnceAtTheFootOfItsUpstroke) {
    const auto found = evaluator.events<TarvikEdpEvent>(pressureDetector);
    ASSERT_GE(found.size(), beats().size());
    ASSERT_LE(found.size(), beats().size() + 1);
    // The model's pressure starts to rise with the elastance at the R wave; the detector's
    // construction puts the foot of the upstroke within two samples of it (here one before).
    constexpr Tick footTolerance = 2;
    for (std::size_t i = 0; i < beats().size(); ++i) {
        EXPECT_NEAR(found[i].tick, beats()[i].edTick, footTolerance) << i;

        EXPECT_GT(found[i].secondTick, found[i].tick) << i; // the peak that closed the cycle
        EXPECT_EQ(found[i].value, sample(0, found[i].tick)) << i;
    }
}

TEST_F(GeneratedRecordingTest, TheEcgDetectorFollowsTheEventsItIsGiven) {
    const Tick marks[] = {37, 150, 151, 400, 2999};
    for (Tick tick : marks)
        simulation.recording.addEvent(0, 2, {tick, 0.25});
    auto found = evaluator.events<TarvikEdpEvent>("PVEcgEdpDet(ch3, -1, -1, -1, -1)");
    ASSERT_EQ(found.size(), std::size(marks));
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].tick, marks[i]);
        EXPECT_EQ(found[i].value, 0.25);
    }
    // LimitStart (record 0, tick 150) is inclusive, LimitEnd (record 0, tick 400) exclusive.
    found = evaluator.events<TarvikEdpEvent>("PVEcgEdpDet(ch3, 0, 150, 0, 400)");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].tick, 150);
    EXPECT_EQ(found[1].tick, 151);
}

TEST_F(GeneratedRecordingTest, EveryLoopCarriesTheValuesOfItsBeat) {
    const std::string formula = std::string("TarvikAnalyzer(ch1, ch2, ") + ecgDetector + ", -1, -1, -1, -1)";
    const auto loops = evaluator.events<TarvikEvent>(formula.c_str());
    ASSERT_GE(loops.size(), beats().size());
    const double tickPeriod = simulation.recording.record(0).tickPeriod();
    for (std::size_t i = 0; i + 1 < beats().size(); ++i) {
        const TarvikEvent& loop = loops[i];
        const PvSim::BeatTruth& beat = beats()[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(loop.state, TarvikEvent::Valid);
        EXPECT_EQ(loop.tick, beat.edTick);
        const Tick rr = beats()[i + 1].edTick - beat.edTick;
        EXPECT_DOUBLE_EQ(loop.hr, 60.0 / (rr * tickPeriod));
        EXPECT_EQ(loop.ped, sample(0, beat.edTick));
        EXPECT_EQ(loop.ved, sample(1, beat.edTick));
        // End-systole is the largest P/V of the beat: the generator's end-systolic sample.
        EXPECT_EQ(loop.endSystoleTick, beat.esTick);
        EXPECT_EQ(loop.pes, sample(0, beat.esTick));
        EXPECT_EQ(loop.ves, sample(1, beat.esTick));
        // The truth's stroke volume is taken over the same samples, in double precision.
        EXPECT_NEAR(loop.vMax - loop.vMin, beat.strokeVolume, 1e-4 * beat.strokeVolume);
        EXPECT_GT(loop.sw, 0.0); // the loop runs counter-clockwise
        EXPECT_GT(loop.tau, 0.0);
        // Ejection power: pressure times the volume leaving the ventricle. Taken over filling
        // instead (pressure times dV/dt) it would stay near the low filling pressure times the
        // filling rate, far below a third of peak pressure times the largest ejection rate.
        EXPECT_GT(loop.powMax, 0.3 * loop.pMax * -loop.dVdtMin);
    }
    EXPECT_EQ(loops.back().state, TarvikEvent::LastInBlock);
    EXPECT_TRUE(std::isnan(loops.back().hr));
}

TEST_F(GeneratedRecordingTest, TheSelectorGivesCardiacOutputAsStrokeVolumeTimesHeartRate) {
    const std::string analyser = std::string("TarvikAnalyzer(ch1, ch2, ") + ecgDetector + ", -1, -1, -1, -1)";
    const auto loops = evaluator.events<TarvikEvent>(analyser.c_str());
    const auto co = evaluator.events<OvoEventBase>(("TarvikParamSelector(" + analyser + ", 2)").c_str());
    ASSERT_EQ(co.size(), loops.size());
    for (std::size_t i = 0; i + 1 < loops.size(); ++i) {
        EXPECT_EQ(co[i].tick, loops[i].tick);
        EXPECT_DOUBLE_EQ(co[i].value, (loops[i].vMax - loops[i].vMin) * loops[i].hr);
    }
    EXPECT_TRUE(std::isnan(co.back().value)); // the last-in-block event has no loop
}

TEST_F(GeneratedRecordingTest, OnlineGivesTheEventsOfTheCompleteRecord) {
    const std::string analyser =
        std::string("TarvikAnalyzer(ch1, ch2, ") + pressureDetector + ", -1, -1, -1, -1)";
    const std::string formulas[] = {ecgDetector, pressureDetector, analyser,
                                    "PVMaxDet(" + std::string(pressureDetector) + ")",
                                    "TarvikParamSelector(" + analyser + ", 1)"};
    const Record& source = simulation.recording.record(0);
    for (const std::string& formula : formulas) {
        const std::vector<std::byte> offline = evaluator.engine.compile(std::string_view(formula)).events(0);
        ASSERT_FALSE(offline.empty()) << formula;
        for (Tick block : {1, 97, 1000}) {
            Recording live(simulation.recording.channels());
            Evaluator online(live);
            OnlineCalculation calculation(live, online.engine.compile(std::string_view(formula)));
            live.startSampling(source.tickPeriod());
            for (Tick first = 0; first < source.tickCount(); first += block) {
                const auto n = static_cast<std::size_t>(std::min(block, source.tickCount() - first));
                std::vector<std::vector<float>> columns;
                for (std::size_t c = 0; c < 3; ++c) {
                    auto part = source.samples(c).subspan(static_cast<std::size_t>(first), n);
                    columns.emplace_back(part.begin(), part.end());
                }
                live.appendBlock(columns);
            }
            live.stopSampling();
            EXPECT_EQ(calculation.events(0), offline) << formula << " in blocks of " << block;
        }
    }
}

/// A record of pressure (ch1) and volume (ch2) samples, 1 ms apart, whose cycles start at the ECG
/// events (ch3) given.
Recording loopRecording(const std::vector<float>& pressure, const std::vector<float>& volume,
                        const std::vector<Tick>& marks) {
    Recording recording({{"Pressure", "mmHg"}, {"Volume", "uL"}, {"ECG", "mV"}});
    recording.addRecord(Record(0.001, {pressure, volume, std::vector<float>(pressure.size(), 0.0f)}));
    for (Tick tick : marks)
        recording.addEvent(0, 2, {tick, 1.0});
    return recording;
}

constexpr const char* analyserOnMarks =
    "TarvikAnalyzer(ch1, ch2, PVEcgEdpDet(ch3, -1, -1, -1, -1), -1, -1, -1, -1)";

TEST(WorkedLoops, ARectangleGivesItsAreaWithTheSignOfItsDirection) {
    // Corners (V, P): (10, 5), (30, 5), (30, 100), (10, 100), two samples per side; the first
    // cycle runs counter-clockwise (filling, contraction, ejection, relaxation), the second back.
    const std::vector<float> v{10, 20, 30, 30, 30, 20, 10, 10, 10, 10, 10, 20, 30, 30, 30, 20, 10};
    const std::vector<float> p{5, 5, 5, 50, 100, 100, 100, 50, 5, 50, 100, 100, 100, 50, 5, 5, 5};
    Recording recording = loopRecording(p, v, {0, 8, 16});
    const auto loops = Evaluator(recording).events<TarvikEvent>(analyserOnMarks);
    ASSERT_EQ(loops.size(), 3u);
    EXPECT_DOUBLE_EQ(loops[0].sw, 20.0 * 95.0);
    EXPECT_DOUBLE_EQ(loops[1].sw, -20.0 * 95.0);
    EXPECT_DOUBLE_EQ(loops[0].hr, 60.0 / 0.008); // HR = 60 / RR, RR = 8 ticks of 1 ms
    EXPECT_EQ(loops[0].vMax - loops[0].vMin, 20.0);
    EXPECT_EQ(loops[2].state, TarvikEvent::LastInBlock);
}

TEST(WorkedLoops, ASampledEllipseApproachesPiAB) {
    // V = 100 + a cos(theta), P = 50 + b sin(theta) at n equal steps: an inscribed polygon of
    // area (n / 2) a b sin(2 pi / n), which falls short of pi a b by about (2 pi / n)^2 / 6.
    const double a = 20, b = 40;
    for (int n : {50, 500}) {
        std::vector<float> v, p;
        for (int k = 0; k <= n; ++k) {
            const double theta = 2 * std::numbers::pi * (k % n) / n;
            v.push_back(static_cast<float>(100 + a * std::cos(theta)));
            p.push_back(static_cast<float>(50 + b * std::sin(theta)));
        }
        Recording recording = loopRecording(p, v, {0, n});
        const auto loops = Evaluator(recording).events<TarvikEvent>(analyserOnMarks);
        ASSERT_EQ(loops.size(), 2u);
        const double polygon = n / 2.0 * a * b * std::sin(2 * std::numbers::pi / n);
        EXPECT_NEAR(loops[0].sw, polygon, 1e-3) << n; // float samples, a few 1e-6 each
        const double shortfall = std::pow(2 * std::numbers::pi / n, 2) / 6;
        EXPECT_NEAR(loops[0].sw / (std::numbers::pi * a * b), 1.0, 1.1 * shortfall) << n;
    }
}

TEST(WorkedLoops, APureExponentialDecayGivesItsTimeConstant) {
    // Each 100-tick cycle: 1 mmHg at the end-diastolic point, a rise to 100 mmHg over 10 ticks,
    // then P = 100 e^(-t / 10 ms). The fit starts at the steepest fall and ends where the pressure
    // is back at 1 mmHg.
    const double tau = 0.010;
    std::vector<float> p, v;
    for (int cycle = 0; cycle < 3; ++cycle)
        for (int k = 0; k < 100; ++k) {
            p.push_back(static_cast<float>(k == 0    ? 1.0
                                           : k <= 10 ? 10.0 * k
                                                     : 100 * std::exp(-(k - 10) * 0.001 / tau)));
            v.push_back(static_cast<float>(50 - std::abs(k - 50) * 0.2));
        }
    Recording recording = loopRecording(p, v, {0, 100, 200});
    const auto loops = Evaluator(recording).events<TarvikEvent>(analyserOnMarks);
    ASSERT_EQ(loops.size(), 3u);
    for (int i = 0; i < 2; ++i)
        EXPECT_NEAR(loops[i].tau, 1000 * tau, 1e-3) << i; // ms; samples are floats
}

TEST(WorkedLoops, CyclesOfOneAndTwoSamplesHaveNoSlopesAndNoArea) {
    std::vector<float> p{3, 4, 7, 9, 9, 9}, v{30, 20, 10, 10, 10, 10};
    Recording recording = loopRecording(p, v, {0, 1, 3});
    const auto loops = Evaluator(recording).events<TarvikEvent>(analyserOnMarks);
    ASSERT_EQ(loops.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const TarvikEvent& loop = loops[i];
        EXPECT_EQ(loop.dPdtMax, 0.0);
        EXPECT_EQ(loop.dPdtMin, 0.0);
        EXPECT_EQ(loop.dVdtMax, 0.0);
        EXPECT_EQ(loop.dVdtMin, 0.0);
        EXPECT_EQ(loop.powMax, 0.0);
        EXPECT_EQ(loop.sw, 0.0);
        EXPECT_TRUE(std::isnan(loop.tau));
    }
    EXPECT_EQ(loops[0].pMean, 3.0);
    EXPECT_EQ(loops[0].ped, 3.0);
    EXPECT_EQ(loops[0].ef, 0.0);
    EXPECT_EQ(loops[1].pMean, 5.5);
    EXPECT_DOUBLE_EQ(loops[1].hr, 60.0 / 0.002);
}

/// Every loop value of an event is a number or NaN and its state is one of the three.
void expectDefined(const TarvikEvent& e) {
    EXPECT_LE(e.state, 2u);
    const double* first = &e.vMax;
    const double* last = &e.tau;
    for (const double* v = first; v <= last; ++v)
        EXPECT_TRUE(std::isnan(*v) || std::isfinite(*v));
}

TEST_F(GeneratedRecordingTest, BadInputNeverCrashes) {
    // NaN pressure over a stretch of beats 5 and 6, and an empty second record.
    Recording& recording = simulation.recording;
    std::vector<std::vector<float>> columns;
    for (std::size_t c = 0; c < 3; ++c) {
        auto samples = recording.record(0).samples(c);
        columns.emplace_back(samples.begin(), samples.end());
    }
    for (Tick t = 650; t < 850; ++t)
        columns[0][static_cast<std::size_t>(t)] = std::numeric_limits<float>::quiet_NaN();
    Recording damaged(recording.channels());
    damaged.addRecord(Record(recording.record(0).tickPeriod(), columns));
    damaged.addRecord(Record(0.001, std::vector<std::vector<float>>(3)));
    Evaluator evaluator(damaged);
    auto disorder =
        Testing::makeFake({"Disorder", "", {}, 0, true, false, false, false, {500, 300, 300, 700, 650, 100}});
    evaluator.classes->add(static_cast<ICalcEnumClass2*>(disorder.Get()));

    const std::string analysers[] = {
        std::string("TarvikAnalyzer(ch1, ch2, ") + ecgDetector + ", -1, -1, -1, -1)",
        std::string("TarvikAnalyzer(ch1, ch2, ") + pressureDetector + ", -1, -1, -1, -1)",
        "TarvikAnalyzer(ch1, ch2, PVEcgEdpDet(Disorder(), -1, -1, -1, -1), -1, -1, -1, -1)",
        "TarvikAnalyzer(ch1, ch2, PVEdpDet(ch1, Disorder(), 20), -1, -1, -1, -1)",
    };
    for (const std::string& formula : analysers) {
        SCOPED_TRACE(formula);
        for (std::int32_t record : {0, 1}) {
            const auto loops = evaluator.events<TarvikEvent>(formula.c_str(), record);
            for (const TarvikEvent& loop : loops)
                expectDefined(loop);
            if (record == 1) {
                EXPECT_TRUE(loops.empty());
            }
        }
    }
    // Out-of-order peaks: no cycle runs backwards, none is emitted twice.
    const auto edps = evaluator.events<TarvikEdpEvent>("PVEdpDet(ch1, Disorder(), 20)");
    for (std::size_t i = 1; i < edps.size(); ++i)
        EXPECT_GT(edps[i].tick, edps[i - 1].tick);
}

TEST_F(GeneratedRecordingTest, AZeroTickPeriodLeavesTheRatesUnset) {
    // The engine always passes a record's own (positive) tick period; here an analyser is
    // started by hand with 0.
    ComPtr<ICalcEnumClass2> analyser = evaluator.classes->find(u"TarvikAnalyzer");
    ComPtr<ICalcEnumClass2> ecg = evaluator.classes->find(u"PVEcgEdpDet");
    ComPtr<ICalcEnum> edp, loops;
    ASSERT_EQ(ecg->CreateEnumerator(nullptr, edp.Put()), S_OK);
    ASSERT_EQ(analyser->CreateEnumerator(nullptr, loops.Put()), S_OK);
    DWORD flags = 0;
    auto noNumbers = ComPtr<IAutoOvoString>::Adopt(Ovo::String("0").GetInterface());
    edp->SetArgs(noNumbers.Get(), &flags);
    loops->SetArgs(noNumbers.Get(), &flags);
    Calculation peaks = evaluator.engine.compile(std::string_view("CMPeakDet(ch3, 0.5, 0.05)"));
    std::unique_ptr<RecordRun> run = peaks.start(0, false);
    IUnknown* ecgSources[] = {run->stream()};
    ASSERT_EQ(edp->Start(0, 1, ecgSources, 0.0, 0, nullptr, 0), S_OK);
    ComPtr<IDocumentData> data(static_cast<IDocumentData*>(evaluator.document.Get()));
    ComPtr<ISampleChannel> pressure, volume;
    data->GetChannelSamples(0, 0, 0, INT_MAX, pressure.Put());
    data->GetChannelSamples(1, 0, 0, INT_MAX, volume.Put());
    IUnknown* sources[] = {pressure.Get(), volume.Get(), edp.Get()};
    ASSERT_EQ(loops->Start(0, 3, sources, 0.0, 0, nullptr, 0), S_OK);
    loops->Seek(0);
    ComPtr<IEnumEventEx> stream = loops.Query<IEnumEventEx>(IID_IEnumEventEx);
    std::vector<TarvikEvent> all;
    HRESULT hr = S_OK;
    while (hr == S_OK) {
        TarvikEvent buffer[8];
        ULONG count = 0;
        LONG position = 0;
        hr = stream->Next(sizeof buffer, INT_MAX, buffer, &count, &position);
        all.insert(all.end(), buffer, buffer + count);
    }
    EXPECT_EQ(hr, S_FALSE);
    ASSERT_GE(all.size(), beats().size());
    for (const TarvikEvent& loop : all) {
        expectDefined(loop);
        EXPECT_TRUE(std::isnan(loop.hr));
        EXPECT_TRUE(std::isnan(loop.tau));
    }
    loops->Clear();
    edp->Clear();
}

} // namespace
} // namespace Vantrel
