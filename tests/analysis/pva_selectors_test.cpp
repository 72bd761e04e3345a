// "PvaCalc" and the two parameter selectors over the analyser's loop events.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/PVASelector.h"
#include "analysis/PvaCalcEnumerator.h"
#include "core/String.h"
#include "tests/support/PvRecording.h"

namespace {

using namespace PvRecording;
using Tarvik::PVAEvent;
using PvaCalcEnum = EEH3::EEH3Enumerator<Tarvik::PvaCalc::Enumerator>;

// An enumerator over a chain: started on one record with inner as its source.
struct Over {
    ICalcEnum* calc;
    HRESULT start;
    Over(ICalcEnum* calc, const wchar_t* args, IUnknown* inner) : calc(calc) {
        start = FakeEngine::StartRecord(calc, args, {inner});
    }
    ~Over() { calc->Release(); }
};

TEST(PvaCalc, TheDefaultFormulaIsSwitchedOff) {
    const Recording r(4, 400, 50, 0);
    Analysis a(r);
    for (const wchar_t* args : {L"8 -1 0 0 0 0 0 0 0", L"9 2 0 0 0 0 0 0 0 0", L""}) {
        Over pva(new PvaCalcEnum(nullptr), args, a.analyser);
        ASSERT_EQ(pva.start, S_OK);
        HRESULT last = S_OK;
        EXPECT_TRUE(FakeEngine::Pull<PVAEvent>(pva.calc, INT32_MAX, 4, &last).empty()) << args;
        EXPECT_EQ(last, S_FALSE);
    }
}

TEST(PvaCalc, OneEventPerLoopAtTheLoopsTick) {
    const Recording r(4, 400, 50, 0);
    Analysis a(r);
    Over pva(new PvaCalcEnum(nullptr), L"8 0 0 0 0 0 0 0 0", a.analyser); // the last term is left out
    const auto events = FakeEngine::Pull<PVAEvent>(pva.calc, INT32_MAX, 2);
    ASSERT_EQ(events.size(), 5u);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(events[k].tick, static_cast<std::int32_t>(k * 400));
        EXPECT_NEAR(events[k].sw, 11000, 1e-6);
        EXPECT_NEAR(events[k].pva, 13750, 1e-6);
        EXPECT_NEAR(events[k].pe, 2750, 1e-6);
    }
    EXPECT_EQ(events[4].tick, 1600);
    EXPECT_TRUE(IsNoValue(events[4].pva));
    EXPECT_TRUE(IsNoValue(events[4].pe));
    EXPECT_EQ(FakeEngine::ArgsText(pva.calc), L"13 0 0 0 0 0 0 0 0 0 0 0 2147483647 2147483647");
}

std::vector<double> Values(const std::vector<OvoEventBase>& events) {
    std::vector<double> values;
    for (const auto& e : events)
        values.push_back(e.value);
    return values;
}

TEST(Selector, PicksOneScaledParameterPerLoop) {
    const Recording r(3);
    Analysis a(r);
    struct Case {
        const wchar_t* args;
        double expected;
    };
    const Case cases[] = {
        {L"1 0.5 4", 10000 * 0.5 * 4},        // SW: P x V
        {L"14 0.5 4", 150},                   // HR
        {L"16 0.5 4", 110.0 / 100 * 0.5 / 4}, // Ea: P / V
        {L"3 0.5 4", 100 * 4},                // SV
        {L"99 0.5 4", 0.0},                   // no such parameter
    };
    for (const Case& c : cases) {
        Over selector(new Tarvik::Enum::Selector(nullptr), c.args, a.analyser);
        ASSERT_EQ(selector.start, S_OK);
        a.analyser->Seek(0);
        HRESULT last = S_OK;
        const auto values = Values(FakeEngine::Pull<OvoEventBase>(selector.calc, INT32_MAX, 2, &last));
        EXPECT_EQ(last, S_FALSE);
        ASSERT_EQ(values.size(), 4u) << c.args;
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_NEAR(values[k], c.expected, 1e-9 * std::abs(c.expected) + 1e-12) << c.args;
        EXPECT_TRUE(c.expected == 0.0 ? values[3] == 0.0 || IsNoValue(values[3]) : IsNoValue(values[3]))
            << "the trailing event has no values";
    }
}

Tarvik::TarvikEvent LoopAt(std::int32_t tick, float fraction, double hr) {
    Tarvik::TarvikEvent e;
    e.tick = tick;
    e.fraction = fraction;
    e.hr = hr;
    return e;
}

TEST(Selector, PositionsRoundToTheNearestTick) {
    auto data = std::make_shared<FakeEngine::EventData>();
    data->eventSize = sizeof(Tarvik::TarvikEvent);
    data->Add(LoopAt(10, 0.2f, 70));
    data->Add(LoopAt(10, 0.7f, 80));
    auto* source = new FakeEngine::EventSeries(data);
    Over selector(new Tarvik::Enum::Selector(nullptr), L"14", source);
    const auto out = FakeEngine::Pull<OvoEventBase>(selector.calc);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].tick, 10);
    EXPECT_FLOAT_EQ(out[0].fraction, 0.2f);
    EXPECT_EQ(out[1].tick, 11);
    EXPECT_NEAR(out[1].fraction, -0.3f, 1e-6);
    EXPECT_EQ(out[1].value, 80.0);

    OvoEventBase found;
    IEnumEventEx* events = nullptr;
    selector.calc->QueryInterface(IID_IEnumEventEx, reinterpret_cast<void**>(&events));
    ASSERT_EQ(events->Find(FALSE, 10, 0, 100, sizeof found, &found), S_OK); // a 16-byte record, not 264
    EXPECT_EQ(found.value, 70.0);
    unsigned char small[15];
    ULONG count = 0;
    LONG position = 0;
    EXPECT_EQ(events->Next(sizeof small, INT32_MAX, small, &count, &position), E_INVALIDARG);
    events->Release();
    source->Release();
}

TEST(Selector, ArgumentsCloneAndSources) {
    ICalcEnum* selector = new Tarvik::Enum::Selector(nullptr);
    const Ovo::String text(L"3 1 0.001");
    IAutoOvoString* rep = text.GetInterface();
    DWORD flags = 0;
    ASSERT_EQ(selector->SetArgs(rep, &flags), S_OK);
    rep->Release();
    EXPECT_EQ(flags, 0x40000000u);
    EXPECT_EQ(FakeEngine::ArgsText(selector), L"3");
    DWORD capabilities = 0;
    selector->GetCapabilities(&capabilities);
    EXPECT_EQ(capabilities, 0x10000000u);

    // The clone keeps the index and the factors: SV of the loops at 0.001.
    ICalcEnum* clone = nullptr;
    ASSERT_EQ(selector->Clone(&clone), S_OK);
    const Recording r(2);
    Analysis a(r);
    ASSERT_EQ(FakeEngine::StartRecord(clone, nullptr, {a.analyser}), S_OK);
    const auto values = Values(FakeEngine::Pull<OvoEventBase>(clone));
    ASSERT_EQ(values.size(), 3u);
    EXPECT_NEAR(values[0], 100 * 0.001, 1e-12);

    // Loop events only: the end-diastolic points (32-byte records) do not fit.
    EXPECT_EQ(FakeEngine::StartRecord(selector, nullptr, {a.points}), E_FAIL);
    EXPECT_EQ(FakeEngine::StartRecord(selector, nullptr, {}), E_FAIL);
    clone->Release();
    selector->Release();
}

TEST(PvaSelector, PicksPvaPeAndEfficiency) {
    const Recording r(3, 400, 50, 0);
    Analysis a(r);
    Over pva(new PvaCalcEnum(nullptr), L"8 0 0 0 0 0 0 0 0", a.analyser);
    struct Case {
        const wchar_t* args;
        double expected;
    };
    const Case cases[] = {
        {L"26 2 3", 13750 * 2 * 3},
        {L"27 2 3", 2750 * 2 * 3},
        {L"28 2 3", 11000.0 / 13750},
        {L"1 2 3", 0.0},
    };
    for (const Case& c : cases) {
        pva.calc->Seek(0);
        a.analyser->Seek(0);
        Over selector(new Tarvik::Enum::PVASelector(nullptr), c.args, pva.calc);
        ASSERT_EQ(selector.start, S_OK);
        const auto values = Values(FakeEngine::Pull<OvoEventBase>(selector.calc));
        ASSERT_EQ(values.size(), 4u) << c.args;
        EXPECT_NEAR(values[0], c.expected, 1e-6) << c.args;
        EXPECT_TRUE(IsNoValue(values[3])) << c.args;
    }
}

} // namespace
