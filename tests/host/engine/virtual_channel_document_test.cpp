#include "host/engine/VirtualChannelDocument.h"

#include "analysis/CalcEnumClasses.h"
#include "analysis/OvoEventBase.h"
#include "analysis/TarvikData.h"
#include "analysis/VChanData.h"
#include "core/String.h"
#include "host/engine/CalcClassCatalog.h"
#include "host/engine/CalcObject.h"
#include "host/engine/ChannelObject.h"
#include "platform/vantrel/IOnlineDataSink.h"
#include "tests/support/FakeCalcClass.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

namespace Vantrel {
namespace {

constexpr DWORD kVirtualSource = kEventSourceFlag | kEventSourceVirtual;

BSTR Bstr(const char* text) {
    return Ovo::String(text).AllocBSTR();
}

/// ch1: sin(30 t) at 1000 Hz over 3 s (host peaks every 209.44 ticks from tick 52); ch2: zeros.
class VirtualChannelDocumentTest : public ::testing::Test {
protected:
    VirtualChannelDocumentTest()
        : recording(std::vector<ChannelInfo>{{"Pressure", "mmHg"}, {"Volume", "ul"}}) {
        std::vector<float> sine;
        for (int k = 0; k < 3000; ++k)
            sine.push_back(static_cast<float>(std::sin(30.0 * k / 1000)));
        recording.addRecord(Record(0.001, {sine, std::vector<float>(3000, 0.0f)}));
        auto catalog = ComPtr<CalcClassCatalog>::Adopt(new CalcClassCatalog);
        catalog->add(static_cast<ICalcEnumClass2*>(sampler.Get()));
        catalog->add(static_cast<ICalcEnumClass2*>(relay.Get()));
        document = ComPtr<VirtualChannelDocument>::Adopt(new VirtualChannelDocument(
            ComPtr<DocumentData>::Adopt(new DocumentData(recording)), ComPtr<ICalcService>(catalog.Get())));
    }

    VirtualChannelRef create(const char* name) {
        VirtualChannelRef ref;
        BSTR text = Bstr(name), key = nullptr;
        EXPECT_EQ(document->CreateChannel(text, &ref, &key), S_OK);
        SysFreeString(text);
        SysFreeString(key);
        return ref;
    }
    HRESULT assign(VirtualChannelRef ref, const char* formula) {
        ComPtr<IUnknown> channel;
        document->GetChannel(static_cast<LONG>(ref.channel), kChannelObject, channel.Put());
        auto calc = ComPtr<CalcObject>::Adopt(new CalcObject);
        Ovo::String name("tarvik"), text(formula);
        IAutoOvoString* n = name.GetInterface();
        IAutoOvoString* f = text.GetInterface();
        calc->SetTexts(n, f, 0);
        n->Release();
        f->Release();
        return document->AssignCalculation(channel.Get(), static_cast<ICalcObject*>(calc.Get()), nullptr);
    }
    std::vector<OvoEventBase> events(VirtualChannelRef ref, LONG fromTick = 0, HRESULT* result = nullptr) {
        ComPtr<IEnumEventEx> stream;
        const HRESULT hr = document->CreateEventEnumerator(kVirtualSource, ref.channel, kEventEnumeratorFlags,
                                                           fromTick, 0, INT_MAX, 0, stream.Put());
        if (result)
            *result = hr;
        std::vector<OvoEventBase> list;
        if (FAILED(hr))
            return list;
        OvoEventBase buffer[8];
        ULONG count = 0;
        LONG position = 0;
        do {
            stream->Next(sizeof(buffer), INT_MAX, buffer, &count, &position);
            list.insert(list.end(), buffer, buffer + count);
        } while (count > 0);
        EXPECT_EQ(position, INT_MAX);
        return list;
    }

    Recording recording;
    // Sampler(signal, step): an event every step ticks; Relay(events, offset): each event moved up.
    ComPtr<Testing::FakeCalcClass> sampler =
        Testing::makeFake({"Sampler", "", {{"Tick Source", kCalcParamSamples}, {"Step", 0, 1, 1e6}}});
    ComPtr<Testing::FakeCalcClass> relay =
        Testing::makeFake({"Relay", "", {{"Event Source"}, {"Offset", 0, -DBL_MAX, DBL_MAX}}});
    ComPtr<VirtualChannelDocument> document;
};

TEST_F(VirtualChannelDocumentTest, ChannelsAreMadeByNameAndNumberedAfterTheRecordedOnes) {
    const VirtualChannelRef loops = create("tarvik");
    EXPECT_EQ(loops, (VirtualChannelRef{2, 0xC0000000u}));
    EXPECT_EQ(create("pva").channel, 3u);
    EXPECT_EQ(create("tarvik"), loops);
    VirtualChannelRef ref;
    BSTR key = nullptr;
    EXPECT_EQ(document->CreateChannel(nullptr, &ref, &key), E_INVALIDARG);
    ComPtr<IUnknown> object;
    ASSERT_EQ(document->GetChannel(2, kChannelObject, object.Put()), S_OK);
    EXPECT_TRUE(object.Query<IChannelDataReset>(IID_IChannelDataReset));
    ASSERT_EQ(document->GetChannel(0, kChannelObject, object.Put()), S_OK);
    EXPECT_NE(dynamic_cast<ChannelObject*>(object.Query<IChannelInfo>(IID_IChannelInfo).Get()), nullptr);
    EXPECT_EQ(document->GetChannelKey({9, 0xC0000000u}, &key), E_INVALIDARG);
}

TEST_F(VirtualChannelDocumentTest, AnAssignedFormulaGivesTheChannelsEventsRecordByRecord) {
    const VirtualChannelRef loops = create("tarvik");
    HRESULT hr = S_OK;
    events(loops, 0, &hr);
    EXPECT_EQ(hr, E_FAIL) << "no calculation yet";
    ASSERT_EQ(assign(loops, "CMPeakDet(ch1, 0.3, 0.01)"), S_OK);
    std::vector<OvoEventBase> peaks = events(loops);
    ASSERT_EQ(peaks.size(), 14u);
    EXPECT_EQ(peaks[0].tick, 52);
    std::vector<OvoEventBase> later = events(loops, 100);
    ASSERT_EQ(later.size(), 13u);
    EXPECT_EQ(later[0].tick, peaks[1].tick);
    // A formula the engine cannot evaluate is refused and the channel keeps its calculation.
    EXPECT_EQ(assign(loops, "CMPeakDet(ch9, 0.3)"), E_INVALIDARG);
    EXPECT_EQ(assign(loops, "CMPeakDet(nochannel, 0.3)"), E_INVALIDARG);
    EXPECT_EQ(events(loops).size(), 14u);
    ComPtr<IEnumEventEx> stream;
    EXPECT_EQ(document->CreateEventEnumerator(0x80000001u, loops.channel, kEventEnumeratorFlags, 0, 0,
                                              INT_MAX, 0, stream.Put()),
              E_INVALIDARG);
    EXPECT_EQ(document->CreateEventEnumerator(kVirtualSource, loops.channel, kEventEnumeratorFlags, 0, 1,
                                              INT_MAX, 0, stream.Put()),
              E_INVALIDARG);
}

// A channel of samples gives no events, but other formulas read it by its name, as if its formula
// stood there; ch(N, "base") is channel N.
TEST_F(VirtualChannelDocumentTest, FormulasReadOtherVirtualChannelsByName) {
    const VirtualChannelRef volume = create("pvvolumewithoutvp");
    const VirtualChannelRef loops = create("tarvik");
    ASSERT_EQ(assign(volume, "(2 * ch(1, \"base\") + 0)"), S_OK);
    HRESULT hr = S_OK;
    events(volume, 0, &hr);
    EXPECT_EQ(hr, E_FAIL) << "samples, not events";
    ASSERT_EQ(assign(loops, "CMPeakDet(PvVolumeWithoutVP, 0.6, 0.01)"), S_OK);
    const std::vector<OvoEventBase> named = events(loops);
    ASSERT_EQ(assign(loops, "CMPeakDet(ch1 * 2, 0.6, 0.01)"), S_OK);
    const std::vector<OvoEventBase> written = events(loops);
    ASSERT_EQ(named.size(), 14u);
    ASSERT_EQ(named.size(), written.size());
    for (std::size_t i = 0; i < named.size(); ++i)
        EXPECT_EQ(named[i].tick, written[i].tick) << i;
    EXPECT_EQ(assign(volume, "tarvik2 + pvvolumewithoutvp"), E_INVALIDARG) << "not a channel, and itself";
}

TEST_F(VirtualChannelDocumentTest, ComputedEventsAreKeptUntilDroppedRefreshedOrReleased) {
    const VirtualChannelRef loops = create("tarvik");
    ASSERT_EQ(assign(loops, "CMPeakDet(ch1, 0.3, 0.01)"), S_OK);
    const auto cached = [&] { return document->channel(u"tarvik")->events.size(); };
    events(loops);
    EXPECT_EQ(cached(), 1u);
    ComPtr<IUnknown> object;
    document->GetChannel(2, kChannelObject, object.Put());
    object.Query<IChannelDataReset>(IID_IChannelDataReset)->DropData();
    EXPECT_EQ(cached(), 0u);
    events(loops);
    BSTR key = Bstr("tarvik");
    EXPECT_EQ(document->RefreshChannel(key), S_OK);
    SysFreeString(key);
    EXPECT_EQ(cached(), 0u);
    EXPECT_EQ(document->ReleaseChannel(loops), S_OK);
    HRESULT hr = S_OK;
    events(loops, 0, &hr);
    EXPECT_EQ(hr, E_FAIL);
    EXPECT_TRUE(document->channel(u"tarvik")->formula.empty());
}

// One computation of a channel's events serves the channel and every formula that names it, until
// its data are dropped; a formula compiled when the channel had another formula computes its own.
TEST_F(VirtualChannelDocumentTest, FormulasNamingAChannelTakeTheEventsItKeeps) {
    const VirtualChannelRef loops = create("tarvik");
    const VirtualChannelRef shifted = create("pva");
    const VirtualChannelRef same = create("pvvolumewithoutvp");
    const auto computations = [&] { return sampler->log()->starts.size(); };
    ASSERT_EQ(assign(loops, "Sampler(ch1, 100)"), S_OK);
    ASSERT_EQ(assign(shifted, "Relay(Tarvik, 0.5)"), S_OK);
    ASSERT_EQ(assign(same, "tarvik"), S_OK);
    const std::vector<OvoEventBase> relayed = events(shifted);
    EXPECT_EQ(computations(), 1u);
    const std::vector<OvoEventBase> kept = events(loops);
    EXPECT_EQ(events(same).size(), kept.size());
    EXPECT_EQ(computations(), 1u);
    ASSERT_EQ(kept.size(), 30u);
    ASSERT_EQ(relayed.size(), kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(relayed[i].value, kept[i].value + 0.5) << i;

    ComPtr<IUnknown> object;
    document->GetChannel(static_cast<LONG>(loops.channel), kChannelObject, object.Put());
    object.Query<IChannelDataReset>(IID_IChannelDataReset)->DropData();
    EXPECT_TRUE(document->channel(u"pva")->events.empty()) << "dropped with the channel it reads";
    events(shifted);
    EXPECT_EQ(computations(), 2u);

    ASSERT_EQ(assign(loops, "Sampler(ch1, 50)"), S_OK);
    object.Query<IChannelDataReset>(IID_IChannelDataReset)->DropData();
    const std::vector<OvoEventBase> again = events(shifted);
    EXPECT_EQ(computations(), 3u) << "computed through the formula it was compiled with";
    ASSERT_EQ(again.size(), relayed.size());
    EXPECT_EQ(events(loops).size(), 60u);
    EXPECT_EQ(computations(), 4u);
}

// Dropped events come back when the channel is given again what computed them (the same formula,
// however written), and only then: the module drops a channel's data before every assignment.
TEST_F(VirtualChannelDocumentTest, DroppedEventsServeACalculationThatComputesTheSame) {
    const VirtualChannelRef loops = create("tarvik");
    const auto computations = [&] { return sampler->log()->starts.size(); };
    ComPtr<IUnknown> object;
    document->GetChannel(static_cast<LONG>(loops.channel), kChannelObject, object.Put());
    const auto dropThenAssign = [&](const char* formula) {
        object.Query<IChannelDataReset>(IID_IChannelDataReset)->DropData();
        EXPECT_EQ(assign(loops, formula), S_OK);
        return events(loops).size();
    };
    ASSERT_EQ(assign(loops, "Sampler(ch1, 100)"), S_OK);
    EXPECT_EQ(events(loops).size(), 30u);
    EXPECT_EQ(assign(loops, "Sampler(ch1, 100)"), S_OK);
    EXPECT_EQ(events(loops).size(), 30u);
    EXPECT_EQ(computations(), 1u) << "assigned again without a drop";
    EXPECT_EQ(dropThenAssign("sampler( CH1 , 1e2 )"), 30u);
    EXPECT_EQ(computations(), 1u);
    EXPECT_EQ(dropThenAssign("Sampler(ch1, 50)"), 60u);
    EXPECT_EQ(computations(), 2u);
    EXPECT_EQ(dropThenAssign("Sampler(ch1, 100)"), 30u);
    EXPECT_EQ(computations(), 3u) << "set aside for one assignment only";
    BSTR key = Bstr("tarvik");
    EXPECT_EQ(document->RefreshChannel(key), S_OK);
    SysFreeString(key);
    EXPECT_EQ(events(loops).size(), 30u);
    EXPECT_EQ(computations(), 4u);
}

TEST_F(VirtualChannelDocumentTest, EventsAreDrawnOnChannelsUntilUnlinked) {
    const VirtualChannelRef loops = create("tarvik");
    const EventDrawLink link{loops, kEventDrawLoopMarkers, 0};
    ASSERT_EQ(document->LinkEvents(0, 0, kEventLinkFlags, &link), S_OK);
    ASSERT_EQ(document->links().size(), 1u);
    EXPECT_EQ(document->links().begin()->first, 0);
    EXPECT_EQ(document->UnlinkEvents(0, loops), S_OK);
    EXPECT_EQ(document->UnlinkEvents(0, loops), S_FALSE);
    const EventDrawLink unknown{{7, 0xC0000000u}, 0, 0};
    EXPECT_EQ(document->LinkEvents(0, 0, kEventLinkFlags, &unknown), E_INVALIDARG);
}

TEST_F(VirtualChannelDocumentTest, SampleBlocksReadZerosOutsideTheRecord) {
    float buffer[4] = {9, 9, 9, 9};
    LONG read = 0;
    ASSERT_EQ(document->ReadSamples(0, 0, -2, 4, buffer, &read), S_OK);
    EXPECT_EQ(read, 2);
    EXPECT_EQ(buffer[0], 0.0f);
    EXPECT_EQ(buffer[2], 0.0f); // sin(0)
    EXPECT_FLOAT_EQ(buffer[3], static_cast<float>(std::sin(0.03)));
    EXPECT_EQ(document->ReadSamples(2, 0, 0, 4, buffer, &read), E_INVALIDARG);
    EXPECT_EQ(document->ReadSamples(0, 1, 0, 4, buffer, &read), E_INVALIDARG);
}

TEST_F(VirtualChannelDocumentTest, TheModulesVirtualChannelsAreDefinedThroughIt) {
    IDocumentData* data = document.Get();
    Tarvik::VChanData vchan(data);
    vchan.DefineChannels();
    for (const char16_t* name : {u"tarvik", u"pva", u"pvvolumewithoutvp", u"pveventwithoutvp"})
        EXPECT_NE(document->channel(name), nullptr);
    EXPECT_TRUE(document->channel(u"tarvik")->visible);
    EXPECT_EQ(document->channel(u"tarvik")->title, u"Tarvik");
    EXPECT_EQ(vchan.GetChannelRef(Tarvik::VChanData::LoopsWithoutVP).channel, 5u);
    // The document data's other interfaces answer through it.
    EXPECT_TRUE(ComPtr<IDocumentData>(data).Query<IOnlineDataSinkRegistry>(IID_IOnlineDataSinkRegistry));
}

/// The loop data's document with no settings beyond the channels: pressure ch1, volume ch2.
class PlainDocument : public Tarvik::ILoopDataDocument {
public:
    explicit PlainDocument(IDocumentData* data) : mData(data) {}
    IDocumentData* GetHostData() override { return mData; }
    DWORD GetChildDataTypeId() override { return 5; }
    bool IsSampling() override { return false; }
    std::uint32_t GetPressureChannel() override { return 0; }
    std::uint32_t GetVolumeChannel() override { return 1; }
    bool IsAnalysingWhileSampling() override { return false; }
    std::int32_t GetHighlightedLoop() override { return -1; }
    std::int32_t GetEspvrType() override { return 0; }
    std::int32_t GetEdpvrType() override { return 0; }
    Tarvik::CuvettePoints GetCuvettePoints() override { return {}; }
    bool ShowsTableParameter(std::int32_t) override { return false; }
    std::vector<std::int32_t> GetExcludedParameterIds() override { return {}; }
    void ApplyChannelScaling(std::uint32_t, double&) override {}
    void EnsureSettingsLoaded() override {}
    Ovo::String BuildPvaCalcFormula() override { return Ovo::String(); }
    HMODULE GetResourceModule() override { return nullptr; }
    Ovo::Unit GetPressureUnit() override { return Ovo::Unit(); }
    Ovo::Unit GetVolumeUnit() override { return Ovo::Unit(); }
    IUnknown* CreateCalculationObject() override { return static_cast<ICalcObject*>(new CalcObject); }

private:
    IDocumentData* mData;
};

/// Rectangular loops (V 150 to 50, P 10 to 110, 400 ticks each) in two records, with an ECG event at
/// the start of every cycle and one after the last: the module's analyser runs in the "tarvik" channel
/// and the loop data reads its loops record by record.
TEST(VirtualChannelAnalysis, TheLoopDataReadsTheAnalysersLoopsFromTheHost) {
    Recording recording(std::vector<ChannelInfo>{{"Pressure", "mmHg"}, {"Volume", "ul"}, {"ECG", "mV"}});
    const int cycles[] = {3, 2};
    for (int r = 0; r < 2; ++r) {
        std::vector<float> p, v;
        for (int i = 0; i < cycles[r] * 400 + 50; ++i) {
            const int edge = (i % 400) / 100, k = i % 100;
            const float pv[4][2] = {{10.0f + k, 150}, {110, 150.0f - k}, {110.0f - k, 50}, {10, 50.0f + k}};
            const bool tail = i >= cycles[r] * 400;
            p.push_back(tail ? 10.0f : pv[edge][0]);
            v.push_back(tail ? 150.0f : pv[edge][1]);
        }
        recording.addRecord(Record(0.001, {p, v, std::vector<float>(p.size(), 0.0f)}));
        for (int c = 0; c <= cycles[r]; ++c)
            recording.addEvent(r, 2, {c * 400, 1.0});
    }
    auto catalog = ComPtr<CalcClassCatalog>::Adopt(new CalcClassCatalog);
    for (ICalcEnumClass2* c : CalcEnums::CalcClassObjects())
        catalog->add(c);
    auto document = ComPtr<VirtualChannelDocument>::Adopt(new VirtualChannelDocument(
        ComPtr<DocumentData>::Adopt(new DocumentData(recording)), ComPtr<ICalcService>(catalog.Get())));
    PlainDocument owner(document.Get());
    auto* data = new Tarvik::TarvikData(owner);
    data->GetVChanData().DefineChannels();
    const VirtualChannelRef loops = data->GetVChanData().GetChannelRef(Tarvik::VChanData::Loops);
    ASSERT_TRUE(
        data->GetVChanData().SetLoopCalculation("TarvikAnalyzer(ch1, ch2, PVEcgEdpDet(ch3))", "ch2",
                                                "TarvikAnalyzer(ch1, pvvolumewithoutvp, PVEcgEdpDet(ch3))"));
    EXPECT_EQ(document->dataEnds(), 1);

    data->ResetRanges();
    for (LONG r = 0; r < 2; ++r) {
        ASSERT_TRUE(data->OpenEventSource(r, 0, loops.channel, kEventSourceVirtual));
        EXPECT_EQ(data->ReadRecordEvents(INT_MAX), cycles[r] + 1) << "record " << r;
    }
    const Tarvik::EventStats* stats = data->GetVChanData().GetStats();
    ASSERT_NE(stats, nullptr);
    EXPECT_EQ(stats->total(), 7);
    EXPECT_EQ(stats->included(), 5);
    EXPECT_EQ(data->GetLoopPosition(3), (TickPosition{1, 0}));
    EXPECT_EQ(data->GetLoopPosition(4), (TickPosition{1, 400}));
    Tarvik::TarvikEvent loop;
    ASSERT_TRUE(data->GetVChanData().GetLoop(4, loop));
    EXPECT_NEAR(loop.ved, 150, 1e-9);
    EXPECT_NEAR(loop.pes, 110, 1e-9);
    EXPECT_FLOAT_EQ(data->GetExtents().volume.minimum, 50.0f);
    EXPECT_FLOAT_EQ(data->GetExtents().pressure.maximum, 110.0f);
    data->Release();
}

} // namespace
} // namespace Vantrel
