// The module's access to the host's data: channel references in formulas, the
// reader of a calculation record by record, and channel operations.

#include <gtest/gtest.h>

#include <map>

#include "analysis/CalcEnumClasses.h"
#include "analysis/ChannelListParser.h"
#include "analysis/ChannelOperations.h"
#include "analysis/EventEnumDataGetter.h"
#include "analysis/TarvikEdpEvent.h"
#include "platform/vantrel/ICalcObject.h"
#include "tests/support/FakeCalcSources.h"

namespace {

using ExtLib::ChannelEntry;

TEST(ChannelList, FindsTheChannelReferencesOfAFormula) {
    struct Case {
        const wchar_t* text;
        std::vector<ChannelEntry> entries;
    };
    const Case cases[] = {
        {L"ch1+ch2", {{0, false, false}, {1, false, false}}},
        {L"channel12", {{11, false, false}}},
        {L"rch3", {{2, true, false}}},
        {L"vch3", {{2, false, true}}},
        {L"ch1*ch1", {{0, false, false}}},
        {L"ch1+rch1", {{0, false, false}, {0, true, false}}},
        {L"tarvikanalyzer(ch1, vch2, pvedpdet(ch1, cmpeakdet(ch1, 0.3, 0.01)))",
         {{0, false, false}, {1, false, true}}},
        {L"x+ch", {}},
        {L"chx+1", {}},
        {L"c1", {}},
        {L"1+ch2", {{1, false, false}}},
        {L"channel2", {{1, false, false}}},
        {L"ch0+ch99999999999", {{-1, false, false}, {2147483646, false, false}}},
        {L"ch2147483648+ch2147483647", {{2147483646, false, false}}},
        {L"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExtLib::ParseChannelList(c.text), c.entries)
            << std::string(c.text, c.text + wcslen(c.text));
}

// A host document: channels of samples or events, a sink registry, channel objects.
class FakeDocument : public IDocumentData,
                     public IOnlineDataSinkRegistry,
                     public IChannelLookup,
                     public IChannelCalcAssign {
public:
    std::map<LONG, std::shared_ptr<FakeEngine::SampleData>> samples;
    std::map<LONG, std::shared_ptr<FakeEngine::EventData>> events;
    std::vector<IOnlineDataSink*> sinks;
    std::vector<std::pair<IUnknown*, IUnknown*>> assigned; // (channel object, calculation)
    IUnknown* Unknown() { return static_cast<IDocumentData*>(this); }

    HRESULT QueryInterface(REFIID iid, void** out) override {
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDocumentData)
            *out = static_cast<IDocumentData*>(this);
        else if (iid == IID_IOnlineDataSinkRegistry)
            *out = static_cast<IOnlineDataSinkRegistry*>(this);
        else if (iid == IID_IChannelLookup)
            *out = static_cast<IChannelLookup*>(this);
        else if (iid == IID_IChannelCalcAssign)
            *out = static_cast<IChannelCalcAssign*>(this);
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT GetRecordCount(LONG* count) override {
        *count = 1;
        return S_OK;
    }
    HRESULT GetRecordEndTick(LONG, LONG* tick) override {
        *tick = 5000;
        return S_OK;
    }
    HRESULT GetChannelCount(LONG, DWORD, LONG* count) override {
        *count = 2;
        return S_OK;
    }
    HRESULT GetChannelEvents(LONG channel, LONG, LONG, IEnumEventEx** out) override {
        *out = events.count(channel) ? new FakeEngine::EventSeries(events[channel]) : nullptr;
        return *out ? S_OK : S_FALSE;
    }
    HRESULT GetChannelSamples(LONG channel, DWORD, LONG, LONG, ISampleChannel** out) override {
        *out = samples.count(channel) ? new FakeEngine::SampleChannel(samples[channel]) : nullptr;
        return *out ? S_OK : E_FAIL;
    }
    HRESULT GetChannelUnit(LONG, LONG, DWORD, IUnknown** unit) override {
        *unit = nullptr;
        return S_FALSE;
    }
    HRESULT AddSink(IOnlineDataSink* sink) override {
        sinks.push_back(sink);
        return S_OK;
    }
    HRESULT RemoveSink(IOnlineDataSink* sink) override {
        std::erase(sinks, sink);
        return S_OK;
    }
    HRESULT GetChannel(LONG channel, DWORD, IUnknown** out) override;
    HRESULT AssignCalculation(IUnknown* channel, IUnknown* calculation, IUnknown*) override {
        assigned.emplace_back(channel, calculation);
        return S_OK;
    }
};

class FakeChannel : public IChannelInfo, public IChannelDataReset {
public:
    int drops = 0;
    HRESULT QueryInterface(REFIID iid, void** out) override {
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IChannelInfo)
            *out = static_cast<IChannelInfo*>(this);
        else if (iid == IID_IChannelDataReset)
            *out = static_cast<IChannelDataReset*>(this);
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT GetUnit(IUnknown** unit) override {
        *unit = nullptr;
        return S_OK;
    }
    HRESULT DropData() override {
        ++drops;
        return S_OK;
    }
};

FakeChannel gChannel;

HRESULT FakeDocument::GetChannel(LONG channel, DWORD, IUnknown** out) {
    *out = channel == 1 ? static_cast<IChannelInfo*>(&gChannel) : nullptr;
    return *out ? S_OK : S_FALSE;
}

// The calculation classes by name: the module's own.
class Classes : public ICalcService {
public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT FindCalcClass(IAutoOvoString* name, ICalcEnumClass2** out) override {
        *out = nullptr;
        const Ovo::String wanted(name);
        for (ICalcEnumClass2* c : CalcEnums::CalcClassObjects()) {
            IAutoOvoString* own = nullptr;
            c->GetName(&own);
            Ovo::String text;
            text.Adopt(own);
            if (text.EqualsNoCase(wanted))
                *out = c;
        }
        return *out ? S_OK : S_FALSE;
    }
};

OvoEventBase Ev(std::int32_t tick) {
    OvoEventBase e;
    e.tick = tick;
    e.value = tick * 0.5;
    return e;
}

TEST(EnumGetter, ReadsACalculationOverTheChannelsItsFormulaNames) {
    FakeDocument document;
    document.events[1] = FakeEngine::Events({Ev(100), Ev(700), Ev(1300)});
    Classes classes;
    int recordEnds = 0;
    {
        ExtLib::EventEnumDataGetter reader(
            document.Unknown(), {&classes, nullptr}, [&] { ++recordEnds; }, 0);
        EXPECT_EQ(document.sinks.size(), 1u) << "mode 0 follows the sampling";
        EXPECT_FALSE(reader.CreateEnum(L"NoSuchClass", L"ch2"));
        ASSERT_TRUE(reader.CreateEnum(L"pvecgedpdet", L"PVEcgEdpDet(CH2)"));
        EXPECT_EQ(reader.Channels(), (std::vector<ChannelEntry>{{1, false, false}}));
        std::vector<Tarvik::TarvikEdpEvent> points;
        ASSERT_TRUE(reader.GetRecordData(0, points));
        ASSERT_EQ(points.size(), 3u);
        EXPECT_EQ(points[1].tick, 700);
        EXPECT_EQ(points[1].value, 350.0);
        EXPECT_TRUE(reader.Started());
        document.sinks.front()->OnRecordEnd(0, 0);
        EXPECT_EQ(recordEnds, 1);
        EXPECT_FALSE(reader.Started());
        EXPECT_EQ(document.sinks.front()->OnRecordEnd(0, 0), S_OK) << "no read open: only the action runs";
        EXPECT_EQ(recordEnds, 2);
    }
    EXPECT_TRUE(document.sinks.empty()) << "the reader withdraws when it goes";
}

TEST(EnumGetter, AChannelWithoutDataFailsTheRecord) {
    FakeDocument document;
    Classes classes;
    ExtLib::EventEnumDataGetter reader(document.Unknown(), {&classes, nullptr}, 1);
    EXPECT_TRUE(document.sinks.empty());
    ASSERT_TRUE(reader.CreateEnum(L"PVEcgEdpDet", L"ch4"));
    EXPECT_FALSE(reader.StartRecord(0, -1.0));
    std::vector<OvoEventBase> none;
    EXPECT_FALSE(reader.GetRecordData(0, none));
}

class FakeCalculation : public ICalcObjectText {
public:
    std::wstring name, formula;
    HRESULT QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_ICalcObjectText ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT SetTexts(IAutoOvoString* n, IAutoOvoString* f, WORD) override {
        name = Ovo::String(n).ToWString();
        formula = Ovo::String(f).ToWString();
        return S_OK;
    }
};

TEST(ChannelOperations, AChannelGetsItsCalculation) {
    FakeDocument document;
    FakeCalculation calculation;
    gChannel.drops = 0;
    ASSERT_TRUE(ExtLib::SetChannelCalculation(document.Unknown(), &calculation, L"Tarvik",
                                              L"TarvikAnalyzer(ch1)", 1));
    EXPECT_EQ(calculation.formula, L"TarvikAnalyzer(ch1)");
    EXPECT_EQ(gChannel.drops, 1);
    ASSERT_EQ(document.assigned.size(), 1u);
    EXPECT_EQ(document.assigned[0].second, &calculation);
    EXPECT_FALSE(ExtLib::AssignChannelCalculation(document.Unknown(), &calculation, 7));
    EXPECT_TRUE(ExtLib::ResetChannel(document.Unknown(), 1));
    EXPECT_FALSE(ExtLib::ResetChannel(document.Unknown(), 0));
    EXPECT_EQ(ExtLib::FindChannel(document.Unknown(), 3), nullptr);
    IChannelInfo* info = ExtLib::FindChannel(document.Unknown(), 1);
    EXPECT_EQ(info, static_cast<IChannelInfo*>(&gChannel));
}

} // namespace
