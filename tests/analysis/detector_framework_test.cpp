// The detector framework driven through the host interfaces, with the ECG
// end-diastolic detector (which passes its input events on) as the detector.

#include <gtest/gtest.h>

#include "analysis/EEH3Enumerator.h"
#include "analysis/EcgEnumerator.h"
#include "core/String.h"
#include "tests/support/FakeCalcSources.h"

namespace {

using Tarvik::TarvikEdpEvent;
using EcgEnum = EEH3::EEH3Enumerator<Tarvik::EcgEnumerator>;

OvoEventBase Ev(std::int32_t tick, float fraction = 0.0f, double value = 1.0) {
    OvoEventBase e;
    e.tick = tick;
    e.fraction = fraction;
    e.value = value;
    return e;
}

std::vector<std::int32_t> Ticks(const std::vector<TarvikEdpEvent>& events) {
    std::vector<std::int32_t> ticks;
    for (const auto& e : events)
        ticks.push_back(e.tick);
    return ticks;
}

struct Ecg {
    ICalcEnum* calc = new EcgEnum(nullptr);
    IEnumEventEx* events = nullptr;
    std::shared_ptr<FakeEngine::EventData> data;
    FakeEngine::EventSeries* series = nullptr;

    explicit Ecg(const std::vector<OvoEventBase>& input, const wchar_t* args = L"4 -1 -1 -1 -1",
                 DWORD flags = 0, LONG record = 0)
        : data(FakeEngine::Events(input)) {
        calc->QueryInterface(IID_IEnumEventEx, reinterpret_cast<void**>(&events));
        series = new FakeEngine::EventSeries(data);
        start = FakeEngine::StartRecord(calc, args, {series}, 0.001, flags, record);
    }
    ~Ecg() {
        events->Release();
        calc->Release();
        series->Release();
    }
    HRESULT start;
};

TEST(DetectorFramework, TheEcgDetectorFollowsItsEventsOnceEach) {
    Ecg ecg({Ev(100, 0.25f, 1.5), Ev(350), Ev(600, -0.5f, 2.0), Ev(900)});
    ASSERT_EQ(ecg.start, S_OK);
    HRESULT last = S_OK;
    const auto out = FakeEngine::Pull<TarvikEdpEvent>(ecg.calc, INT32_MAX, 3, &last);
    EXPECT_EQ(last, S_FALSE);
    ASSERT_EQ(Ticks(out), (std::vector<std::int32_t>{100, 350, 600, 900}));
    EXPECT_FLOAT_EQ(out[0].fraction, 0.25f);
    EXPECT_EQ(out[0].value, 1.5);
    EXPECT_FLOAT_EQ(out[2].fraction, -0.5f);
    for (const auto& e : out) {
        EXPECT_EQ(e.secondTick, 0);
        EXPECT_EQ(e.secondFraction, 0.0f);
        EXPECT_EQ(e.secondValue, 0.0);
    }
}

TEST(DetectorFramework, LimitsKeepEventsInsideTheProcessingRange) {
    struct Case {
        const wchar_t* args;
        LONG record;
        std::vector<std::int32_t> ticks;
    };
    const std::vector<OvoEventBase> input = {Ev(100), Ev(350), Ev(600), Ev(900)};
    const Case cases[] = {
        {L"4 0 350 0 900", 0, {350, 600}},           // start inclusive, end exclusive
        {L"4 -1 -1 -1 -1", 0, {100, 350, 600, 900}}, // not set: the whole record
        {L"0", 0, {100, 350, 600, 900}},             // no numbers: the defaults
        {L"4 1 350 3 600", 0, {}},                   // before the start record
        {L"4 1 350 3 600", 1, {350, 600, 900}},      // the start record
        {L"4 1 350 3 600", 2, {100, 350, 600, 900}}, // between
        {L"4 1 350 3 600", 3, {100, 350}},           // the end record
        {L"4 1 350 3 600", 4, {}},                   // after the end record
        {L"4 3e9 0 -1 -1", 0, {}},                   // a start record past the 32-bit range stays past
    };
    for (const Case& c : cases) {
        Ecg ecg(input, c.args, 0, c.record);
        EXPECT_EQ(Ticks(FakeEngine::Pull<TarvikEdpEvent>(ecg.calc)), c.ticks)
            << c.args << " record " << c.record;
    }
}

TEST(DetectorFramework, GetArgsWritesATextThatSetArgsReadsBack) {
    struct Case {
        const wchar_t* args;
        const wchar_t* text;
    };
    const Case cases[] = {
        {L"4 -1 -1 -1 -1", L"4 0 0 2147483647 2147483647"},
        {L"", L"4 0 0 2147483647 2147483647"},
        {L"4 2 150 7 1e12", L"4 2 150 7 2147483647"},
        {L"4 -3e12 5", L"4 0 5 2147483647 2147483647"},
    };
    for (const Case& c : cases) {
        Ecg ecg({}, c.args);
        const std::wstring text = FakeEngine::ArgsText(ecg.calc);
        EXPECT_EQ(text, c.text) << c.args;
        Ecg again({}, text.c_str());
        EXPECT_EQ(FakeEngine::ArgsText(again.calc), text);
    }
}

TEST(DetectorFramework, NewArgumentsAfterStartTakeEffect) {
    Ecg ecg({Ev(100), Ev(350), Ev(600)});
    EXPECT_EQ(FakeEngine::Pull<TarvikEdpEvent>(ecg.calc).size(), 3u);
    const Ovo::String text(L"4 0 300 0 500");
    IAutoOvoString* rep = text.GetInterface();
    DWORD flags = 0;
    ecg.calc->SetArgs(rep, &flags);
    rep->Release();
    EXPECT_EQ(Ticks(FakeEngine::Pull<TarvikEdpEvent>(ecg.calc)), (std::vector<std::int32_t>{350}));
}

TEST(DetectorFramework, NextBelowTheCurrentPositionReturnsNothing) {
    Ecg ecg({Ev(100), Ev(350)});
    TarvikEdpEvent buffer[4];
    ULONG count = 9;
    LONG position = 0;
    ASSERT_EQ(ecg.events->Next(sizeof buffer, 200, buffer, &count, &position), S_OK);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(position, 200);
    EXPECT_EQ(ecg.events->Next(sizeof buffer, 101, buffer, &count, &position), S_OK);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(ecg.events->Next(sizeof buffer, INT32_MAX, buffer, &count, &position), S_FALSE);
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(buffer[0].tick, 350);
    EXPECT_EQ(position, INT32_MAX);
}

TEST(DetectorFramework, ABufferSmallerThanOneEventIsRefused) {
    Ecg ecg({Ev(100)});
    unsigned char small[sizeof(TarvikEdpEvent) - 1];
    ULONG count = 7;
    LONG position = 0;
    EXPECT_EQ(ecg.events->Next(sizeof small, INT32_MAX, small, &count, &position), E_INVALIDARG);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(ecg.events->Next(64, INT32_MAX, nullptr, &count, &position), E_INVALIDARG);
}

TEST(DetectorFramework, AnEventFoundIsDeliveredOnceByTheNextCall) {
    Ecg ecg({Ev(100), Ev(350), Ev(600)});
    TarvikEdpEvent found;
    ASSERT_EQ(ecg.events->Find(FALSE, 200, 0, 1000, sizeof found, &found), S_OK);
    EXPECT_EQ(found.tick, 350);
    EXPECT_EQ(Ticks(FakeEngine::Pull<TarvikEdpEvent>(ecg.calc)), (std::vector<std::int32_t>{350, 600}));

    ASSERT_EQ(ecg.events->Find(TRUE, 599, 0, 1000, sizeof found, &found), S_OK);
    EXPECT_EQ(found.tick, 350);
    EXPECT_EQ(Ticks(FakeEngine::Pull<TarvikEdpEvent>(ecg.calc)), (std::vector<std::int32_t>{350, 600}));

    EXPECT_EQ(ecg.events->Find(FALSE, 700, 0, 1000, sizeof found, &found), S_FALSE);
    EXPECT_EQ(ecg.events->Find(FALSE, 5, 10, 10, sizeof found, &found), S_FALSE); // empty range
}

TEST(DetectorFramework, SeekingBackAcrossCheckpointsGivesTheSameEvents) {
    std::vector<OvoEventBase> input;
    for (std::int32_t tick = 500; tick < 450000; tick += 777)
        input.push_back(Ev(tick));
    Ecg ecg(input);
    const auto all = FakeEngine::Pull<TarvikEdpEvent>(ecg.calc, INT32_MAX, 64);
    ASSERT_EQ(all.size(), input.size());
    for (LONG from : {320000, 120000, 0, 250001}) {
        ecg.calc->Seek(from);
        const auto again = FakeEngine::Pull<TarvikEdpEvent>(ecg.calc, INT32_MAX, 5);
        std::vector<std::int32_t> expected;
        for (const auto& e : input)
            if (e.tick >= from)
                expected.push_back(e.tick);
        EXPECT_EQ(Ticks(again), expected) << from;
    }
}

TEST(DetectorFramework, ASeekBackResumesFromTheNearestCheckpoint) {
    std::vector<OvoEventBase> input;
    for (std::int32_t tick = 500; tick < 450000; tick += 777)
        input.push_back(Ev(tick));
    Ecg ecg(input);
    FakeEngine::Pull<TarvikEdpEvent>(ecg.calc, INT32_MAX, 64);
    const int whole = ecg.series->nextCalls;
    ecg.series->nextCalls = 0;
    ecg.calc->Seek(320000);
    const auto tail = FakeEngine::Pull<TarvikEdpEvent>(ecg.calc, INT32_MAX, 64);
    ASSERT_FALSE(tail.empty());
    EXPECT_GE(tail.front().tick, 320000);
    // Resuming at the checkpoint of 300000 reads a third of the record's events again, not all.
    EXPECT_LT(ecg.series->nextCalls, whole / 2);
}

TEST(DetectorFramework, WhileSamplingEventsArriveAsTheRecordGrowsAndMatchOffline) {
    std::vector<OvoEventBase> input;
    for (std::int32_t tick = 40; tick < 5000; tick += 97)
        input.push_back(Ev(tick, 0.0f, tick * 0.5));
    Ecg offline(input);
    const auto expected = FakeEngine::Pull<TarvikEdpEvent>(offline.calc);

    Ecg online(input, L"4 -1 -1 -1 -1", kCalcStartOnline);
    online.data->complete = false;
    std::vector<TarvikEdpEvent> got;
    for (std::int32_t available = 0; available <= 5000; available += 333) {
        online.data->availableTick = available;
        HRESULT last = S_OK;
        const auto part = FakeEngine::Pull<TarvikEdpEvent>(online.calc, INT32_MAX, 4, &last);
        EXPECT_EQ(last, S_OK) << "the record is still growing";
        got.insert(got.end(), part.begin(), part.end());
    }
    online.data->complete = true;
    HRESULT last = S_OK;
    const auto rest = FakeEngine::Pull<TarvikEdpEvent>(online.calc, INT32_MAX, 4, &last);
    got.insert(got.end(), rest.begin(), rest.end());
    EXPECT_EQ(last, S_FALSE);
    ASSERT_EQ(Ticks(got), Ticks(expected));
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i].value, expected[i].value);
}

TEST(DetectorFramework, EventsOutOfOrderAreSkippedWithoutHarm) {
    Ecg ecg({Ev(100), Ev(600), Ev(350), Ev(350), Ev(900)});
    EXPECT_EQ(Ticks(FakeEngine::Pull<TarvikEdpEvent>(ecg.calc)), (std::vector<std::int32_t>{100, 600, 900}));
}

TEST(DetectorFramework, StartFailsWithoutAnEventSource) {
    ICalcEnum* calc = new EcgEnum(nullptr);
    auto* channel = new FakeEngine::SampleChannel(FakeEngine::Samples({1, 2, 3}));
    EXPECT_EQ(FakeEngine::StartRecord(calc, L"0", {}), E_FAIL);
    EXPECT_EQ(FakeEngine::StartRecord(calc, L"0", {channel}), E_FAIL);
    const auto none = FakeEngine::Pull<TarvikEdpEvent>(calc);
    EXPECT_TRUE(none.empty());
    channel->Release();
    calc->Release();
}

} // namespace
