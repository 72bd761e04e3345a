// The analysis driver's commands and what it asks of the host: the region it fixes, the progress
// of a collection and its cancel, the enablers, the settings loaded once, reruns answered from the
// analysis manager's queue, the selection of a region, the channels' scaling and units.

#include <algorithm>

#include "document/MergedEventReader.h"
#include "document/UnitUpdate.h"
#include "host/framework/Text.h"
#include "platform/user/Desktop.h"
#include "platform/user/msgbox_api.h"
#include "platform/vantrel/EventRecords.h"
#include "tests/document/RecordingFixture.h"
#include "workflow/PressureCalibrator.h"

namespace {

using namespace Tarvik;
using TarvikTest::kDocumentData;
using TarvikTest::ReadBytes;

// A command-state object that keeps what an enabler set.
class State : public ICommandState {
public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT SetText(IAutoOvoString* value) override {
        text = Ovo::String(value);
        return S_OK;
    }
    HRESULT SetEnabled(VARIANT_BOOL value) override {
        enabled = value != VARIANT_FALSE;
        return S_OK;
    }

    Ovo::String text;
    bool enabled = false;
};

class DocumentDriver : public TarvikTest::RecordingFixture {
protected:
    void SetUp() override {
        RecordingFixture::SetUp();
        user::Desktop::Reset();
        recording = TarvikTest::InBlocks(*TarvikTest::ImportSample("mouse-occlusion"));
    }
    void TearDown() override {
        RecordingFixture::TearDown();
        user::Desktop::Reset();
    }

    TarvikDocument& OpenWithSetUp() {
        Open(*recording);
        recordingDocument->storeStream(0, ReadBytes(kDocumentData / "setup-stream0.bin"));
        recordingDocument->storeStream(1, ReadBytes(kDocumentData / "setup-stream1.bin"));
        return OpenModule();
    }

    bool Analyze() { return recordingDocument->sendMessage(DocMsgId<257>()); }

    bool Dispatched(DWORD id) {
        const auto& all = Zar().Dispatcher().Dispatched();
        return std::any_of(all.begin(), all.end(), [id](const auto& m) { return m.id == id; });
    }

    State Enable(TarvikDocument& document, WORD command) {
        State state;
        document.OnCommandUpdate(DocMsgId<0>() | command, &state);
        return state;
    }

    std::unique_ptr<Vantrel::Recording> recording;
};

TEST_F(DocumentDriver, TheProgressNamesEachBlockOfThePressureChannel) {
    OpenWithSetUp();
    ASSERT_TRUE(Analyze());
    const auto& progress = Zar().Progress().opened();
    ASSERT_EQ(progress.size(), 1u);
    EXPECT_EQ(progress[0]->caption, u"");
    EXPECT_EQ(progress[0]->texts,
              (std::vector<std::u16string>{u"Processing", u"Channel 1, Block 1", u"Channel 1, Block 2",
                                           u"Channel 1, Block 3"}));
    // 7998 ticks: less than 1000 a hundredth, so one step per record, 33, 66 and 100 percent.
    EXPECT_EQ(progress[0]->percents, (std::vector<LONG>{33, 66, 100}));
}

TEST_F(DocumentDriver, CancellingTheProgressClearsTheAnalysis) {
    TarvikDocument& document = OpenWithSetUp();
    Zar().Progress().cancelAt(50);
    ASSERT_TRUE(Analyze());
    EXPECT_EQ(Zar().Progress().opened()[0]->percents, (std::vector<LONG>{33, 66}));
    EXPECT_TRUE(Dispatched(DocMsgId<258>()));
    EXPECT_FALSE(GetModelParam<39>(document.FindModel()));
    EXPECT_FALSE(Enable(document, 20).enabled);
    EXPECT_FALSE(Enable(document, 18).enabled);
    EXPECT_EQ(Formula(u"tarvik"), "") << "the formulas were removed";
}

TEST_F(DocumentDriver, WithoutAProgressIndicatorTheCollectionIsNeverCancelled) {
    TarvikDocument& document = OpenWithSetUp();
    Zar().Classes().RemoveService(
        (static_cast<DWORD>(Zar().MessageIds().NumberOf(kProgressClassGuid)) << 16) | kProgressClassNumber);
    ASSERT_TRUE(Analyze());
    EXPECT_FALSE(Dispatched(DocMsgId<258>()));
    EXPECT_TRUE(GetModelParam<39>(document.FindModel()));
    EXPECT_FALSE(document.LoopData().GetLoopPosition(0).IsNone());
}

// A calibration change (here one that reads the loops again) keeps the loops the user selected.
TEST_F(DocumentDriver, ACalibrationChangeKeepsTheSelectedLoops) {
    TarvikDocument& document = OpenWithSetUp();
    ASSERT_TRUE(Analyze());
    document.LoopData().ApplyLoopSelection({2, 5});
    const std::size_t notices = recordingDocument->notices().size();
    EXPECT_TRUE(document.ApplyCalibrationChange([&] {
        document.CollectLoops(0);
        return true;
    }));
    LoopIndexSet selected;
    document.LoopData().MarkSelectedLoops(selected);
    EXPECT_EQ(selected, (LoopIndexSet{2, 5}));
    const auto& after = recordingDocument->notices();
    ASSERT_GT(after.size(), notices);
    EXPECT_EQ(after.back().id, DocMsgId<33>());
    EXPECT_EQ(after.back().payload, 8u);
    recordingDocument->setBusy(true);
    EXPECT_FALSE(document.ApplyCalibrationChange([] { return true; }));
}

TEST_F(DocumentDriver, WithoutASelectionTheRegionIsEmptyAndNothingIsRead) {
    TarvikDocument& document = OpenWithSetUp();
    const ModelPtr setup = document.FindModel();
    SetModelParam<27>(setup, 0);
    ASSERT_TRUE(setup->CommitChange());
    ASSERT_TRUE(Analyze());
    EXPECT_EQ(GetModelParam<59>(setup), (WordPair{0, 0}));
    EXPECT_EQ(GetModelParam<60>(setup), (WordPair{0, 0}));
    EXPECT_TRUE(GetModelParam<39>(setup));
    ASSERT_EQ(Zar().Progress().opened().size(), 1u);
    EXPECT_TRUE(Zar().Progress().opened()[0]->percents.empty()) << "a region without ticks reports nothing";
    EXPECT_FALSE(Enable(document, 20).enabled);
    EXPECT_EQ(document.LoopData().GetLoopPosition(0), TickPosition::None());

    recordingDocument->setSelection(std::make_pair(HostTickPosition{1, 100}, HostTickPosition{1, 2000}));
    ASSERT_TRUE(Analyze());
    EXPECT_EQ(GetModelParam<59>(setup), (WordPair{100, 1}));
    EXPECT_EQ(GetModelParam<60>(setup), (WordPair{2000, 1}));
    for (std::int32_t i = 0; !document.LoopData().GetLoopPosition(i).IsNone(); ++i)
        EXPECT_EQ(document.LoopData().GetLoopPosition(i).record, 1) << "nothing past the region's record";
    EXPECT_TRUE(Enable(document, 20).enabled);
    EXPECT_TRUE(Enable(document, 18).enabled);
}

TEST_F(DocumentDriver, TheAnalyzeItemNamesItsRegionAndEveryItemWaitsWhileTheHostIsBusy) {
    TarvikDocument& document = OpenWithSetUp();
    State analyze = Enable(document, 21);
    EXPECT_TRUE(analyze.enabled);
    EXPECT_EQ(analyze.text, Ovo::String(u"&Analyze Channel"));
    SetModelParam<27>(document.FindModel(), 0);
    EXPECT_EQ(Enable(document, 21).text, Ovo::String(u"&Analyze Selection"));
    document.FindModel()->RollbackChange();
    ASSERT_TRUE(Analyze());
    EXPECT_TRUE(Enable(document, 20).enabled);

    recordingDocument->setBusy(true);
    EXPECT_FALSE(Enable(document, 21).enabled);
    EXPECT_FALSE(Enable(document, 20).enabled);
    const std::size_t opened = Zar().Progress().opened().size();
    ASSERT_TRUE(Analyze()) << "handled, whatever it did";
    EXPECT_TRUE(recordingDocument->sendMessage(DocMsgId<258>()));
    EXPECT_EQ(Zar().Progress().opened().size(), opened);
    EXPECT_TRUE(GetModelParam<39>(document.FindModel()));
}

TEST_F(DocumentDriver, TheEcgWarningIsShownOnceAndEndDiastoleComesFromThePressure) {
    TarvikDocument& document = OpenWithSetUp();
    const ModelPtr setup = document.FindModel();
    SetModelParam<28>(setup, 1);
    SetModelParam<29>(setup, StringPair{Ovo::String(u"ECG"), Ovo::String()});
    ASSERT_TRUE(setup->CommitChange());
    document.OnEcgSourceLost();
    user::Desktop::Current().MessageBoxes().SetDefault(IDOK);
    ASSERT_TRUE(Analyze());
    ASSERT_TRUE(Analyze());
    const auto& shown = user::Desktop::Current().MessageBoxes().Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, u"Tarvik");
    EXPECT_EQ(shown[0].text,
              u"An ECG event source that Tarvik was using has gone away.\n\nTarvik will now attempt "
              u"to determine end-diastole using the pressure signal.");
    EXPECT_EQ(shown[0].style, MB_ICONWARNING | MB_OK);
    EXPECT_EQ(GetModelParam<28>(setup), 0);
    EXPECT_EQ(Formula(u"tarvik").find("PVEdpDet(ch1"), 25u);
}

// A host that does not read the stored streams before attaching: the document reads them itself,
// once, at attach; a later Analyze keeps the region it fixed.
TEST_F(DocumentDriver, SettingsAreReadOnceAndNeverOverAnOpenChange) {
    Open(*recording);
    recordingDocument->storeStream(0, ReadBytes(kDocumentData / "setup-stream0.bin"));
    recordingDocument->storeStream(1, ReadBytes(kDocumentData / "setup-stream1.bin"));
    recordingDocument->setReadsSettingsAtOpening(false);
    TarvikDocument& document = OpenModule();
    EXPECT_EQ(recordingDocument->settingsReads(), 2);
    EXPECT_TRUE(document.SettingsLoaded());
    EXPECT_EQ(GetModelParam<2>(document.FindModel()), 1u);
    ASSERT_TRUE(Analyze());
    EXPECT_EQ(recordingDocument->settingsReads(), 2);
    EXPECT_TRUE(GetModelParam<39>(document.FindModel()));
    EXPECT_EQ(GetModelParam<60>(document.FindModel()), (WordPair{2666, 2}));
    recordingDocument->closeModuleDocument();

    OpenWithSetUp();
    EXPECT_EQ(recordingDocument->settingsReads(), 2) << "read by the host before attach, not again at attach";
}

TEST_F(DocumentDriver, ReanalysisRequestsAreAnsweredLaterFromTheHostsQueue) {
    OpenWithSetUp();
    Vantrel::AnalysisManager& manager = recordingDocument->analysisManager();
    ASSERT_EQ(manager.clients().size(), 1u);
    EXPECT_EQ(manager.clients()[0].name, u"Tarvik");
    EXPECT_EQ(manager.clients()[0].displayText, u"Tarvik");
    EXPECT_TRUE(manager.clients()[0].settings[0] && manager.clients()[0].settings[1]);
    EXPECT_TRUE(manager.clients()[0].loading[0]) << "the host read the stream before attach";

    ASSERT_TRUE(Analyze());
    EXPECT_GE(manager.clients()[0].runsAsked, 1);
    EXPECT_EQ(manager.pending(), 1u) << "asked, not yet answered";
    EXPECT_EQ(Zar().Progress().opened().size(), 1u);
    EXPECT_EQ(manager.runPending(), 1);
    EXPECT_EQ(Zar().Progress().opened().size(), 2u) << "the rerun collected the loops again";
    EXPECT_EQ(manager.pending(), 0u) << "a rerun asks for no further rerun";
    const auto& notices = recordingDocument->notices();
    EXPECT_TRUE(
        std::any_of(notices.begin(), notices.end(), [](const auto& n) { return n.id == DocMsgId<38>(); }));

    manager.setActive(0, false);
    manager.requestClear(0);
    manager.runPending();
    EXPECT_EQ(Zar().Progress().opened().size(), 2u);
    manager.setActive(0, true);
    manager.requestRegion(0, 4);
    manager.requestClear(0);
    manager.runPending();
    EXPECT_EQ(manager.clients()[0].regionItem, 4);
    EXPECT_EQ(manager.clients()[0].regionEnd.record, 2);
    EXPECT_FALSE(
        GetModelParam<39>(dynamic_cast<TarvikDocument*>(recordingDocument->moduleDocument())->FindModel()));
}

TEST_F(DocumentDriver, ReselectSelectsTheRegionInBothChannels) {
    OpenWithSetUp();
    ASSERT_TRUE(Analyze());
    ASSERT_TRUE(recordingDocument->sendMessage(DocMsgId<259>()));
    const auto& calls = recordingDocument->viewCalls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].slot, 17);
    EXPECT_EQ(calls[1].slot, 29);
    EXPECT_EQ(calls[1].start.record, 0);
    EXPECT_EQ(calls[1].end.record, 2);
    EXPECT_EQ(calls[1].end.tick, 2666);
    EXPECT_EQ(calls[2].slot, 20);
    EXPECT_EQ(calls[2].channel, 0);
    EXPECT_EQ(calls[2].range[0], 32000.0);
    EXPECT_EQ(calls[2].range[1], -32000.0);
    EXPECT_EQ(calls[4].channel, 1);
}

// The host's conversions map raw to shown values as scale * raw + offset.
TEST_F(DocumentDriver, ChannelScalingFollowsTheHostsConversion) {
    TarvikDocument& document = OpenWithSetUp();
    UnitRawInfo raw;
    const auto text = [](const char16_t* t) { return ComPtr<IAutoOvoString>::Adopt(Vantrel::MakeString(t)); };
    ComPtr<IUnknown> line;
    ASSERT_EQ(Zar().Units().MakeTwoPointConversion(
                  0, &raw, text(u"mmHg").Get(), text(u"0").Get(), text(u"1").Get(), text(u"0.5").Get(),
                  text(u"2.5").Get(), text(u"mmHg").Get(), 1, 1, 0, line.Put(), nullptr, nullptr, nullptr),
              S_OK);
    ASSERT_EQ(recordingDocument->data().applyUnit(0, line.Get()), S_OK);
    double value = 1.0;
    document.ApplyChannelScaling(0, value);
    EXPECT_DOUBLE_EQ(value, 2.5);
    document.ApplyInverseChannelScaling(0, value);
    EXPECT_DOUBLE_EQ(value, 1.0);
    const auto scales =
        ComPtr<IUnknown>(document.Identity()).Query<ITarvikDocInterface>(IID_ITarvikDocInterface);
    ASSERT_TRUE(scales);
    double scale = 0.0;
    EXPECT_EQ(scales->GetPressureScale(0, &scale), S_OK);
    EXPECT_DOUBLE_EQ(scale, 2.5);
    EXPECT_EQ(scales->GetVolumeScale(0, &scale), S_OK);
    EXPECT_DOUBLE_EQ(scale, 1.0) << "the volume channel does not scale";
}

TEST_F(DocumentDriver, UnitsReachRecordedChannelsAtOnceAndComputedChannelsByMessage) {
    TarvikDocument& document = OpenWithSetUp();
    ASSERT_TRUE(Analyze());
    const ModelPtr pressure = document.GetModel(kPressureModel);
    SetModelParam<3>(pressure, 0.0);
    SetModelParam<4>(pressure, 0.0);
    SetModelParam<5>(pressure, 1.0);
    SetModelParam<6>(pressure, 100.0);
    SetModelParam<7>(pressure, true);
    Vantrel::VirtualChannelDocument& data = recordingDocument->data();
    ASSERT_TRUE(pressure->CommitChange()); // the document applies a calibration the model says applies
    ASSERT_NE(data.appliedUnit(0), nullptr) << "a recorded channel takes the unit at once";
    EXPECT_FALSE(UpdateChannelUnits(document.GetPressureCalibrator(), &data, 0, document)) << "shown already";
    EXPECT_FALSE(UpdateChannelUnits(document.GetPressureCalibrator(), &data,
                                    static_cast<std::int32_t>(0x80000000), document));

    const LONG tarvik = static_cast<LONG>(data.channel(u"tarvik")->ref.channel);
    ASSERT_TRUE(UpdateChannelUnits(document.GetPressureCalibrator(), &data, tarvik, document));
    EXPECT_EQ(recordingDocument->unitChanges(), 1) << "a computed channel gets a unit-change message";
    EXPECT_TRUE(Dispatched(kUnitChangeMessage));
    ComPtr<IUnknown> unit;
    ASSERT_EQ(data.GetChannelUnit(tarvik, 0, 0, unit.Put()), S_OK);
    UnitScalingInfo scaling;
    unit.Query<IUnitConversion>(IID_IUnitConversion)->GetConversionInfo(nullptr, nullptr, &scaling, nullptr);
    EXPECT_NE(scaling.hasScaling, 0);
    EXPECT_DOUBLE_EQ(scaling.scale, 100.0) << "the line through the message's two points";
}

// The channels the analysis reads do not depend on it (the set-up keeps them); the module's own
// channels and a channel computed from them do.
TEST_F(DocumentDriver, OnlyChannelsComputedFromTheAnalysisDependOnIt) {
    TarvikDocument& document = OpenWithSetUp();
    ASSERT_TRUE(Analyze());
    Vantrel::VirtualChannelDocument& data = recordingDocument->data();
    for (std::uint32_t recorded : {0u, 1u, 2u})
        EXPECT_FALSE(document.IsChannelFlaggedAtPosition(recorded, 0xC0000000)) << recorded;
    EXPECT_FALSE(document.IsChannelFlaggedAtPosition(0x80000000, 0xC0000000));
    const LONG loops = static_cast<LONG>(data.channel(u"tarvik")->ref.channel);
    EXPECT_TRUE(document.IsChannelFlaggedAtPosition(static_cast<std::uint32_t>(loops), 0xC0000000));
    ASSERT_EQ(data.defineChannel(u"sw", u"Stroke work", u"TarvikParamSelector(tarvik, 1, 1, 1)"), S_OK);
    ASSERT_EQ(data.defineChannel(u"peaks", u"Pressure peaks", u"CMPeakDet(ch1, 20, 0)"), S_OK);
    EXPECT_TRUE(document.IsChannelFlaggedAtPosition(data.channel(u"sw")->ref.channel, 0xC0000000));
    EXPECT_FALSE(document.IsChannelFlaggedAtPosition(data.channel(u"peaks")->ref.channel, 0xC0000000));
    const ModelPtr setup = document.FindModel();
    SetModelParam<30>(setup, 25.0);
    EXPECT_TRUE(setup->CommitChange()) << "the analysed channels may stay in the set-up";
}

TEST_F(DocumentDriver, NotificationsForAnotherDocumentChangeNothing) {
    Open(*recording);
    recordingDocument->setReadsSettingsAtOpening(false);
    TarvikDocument& document = OpenModule();
    const auto observer = ComPtr<IUnknown>(document.Identity()).Query<IObserver>(IID_IObserver);
    const DWORD other[] = {99, 0};
    const std::size_t clients = recordingDocument->analysisManager().clients().size();
    observer->Notify(nullptr, kHostDocumentAttached, 0, reinterpret_cast<ULONG_PTR>(other));
    EXPECT_EQ(recordingDocument->analysisManager().clients().size(), clients);
}

// The loop events drawn on the pressure channel, read as one stream; two series with the same
// ticks give the first series' event first.
TEST_F(DocumentDriver, TheMergedReaderReadsTheSeriesDrawnOnAChannelInOrder) {
    OpenWithSetUp();
    ASSERT_TRUE(Analyze());
    Vantrel::VirtualChannelDocument& data = recordingDocument->data();
    const VirtualChannelRef second = data.channel(u"pveventwithoutvp")->ref;
    const EventDrawLink link{second, kEventDrawLoopMarkers, 0};
    ASSERT_EQ(data.LinkEvents(0, 0, kEventLinkFlags, &link), S_OK);
    MergedEventReader reader(static_cast<IDocumentData*>(&data), 1, 100, 0, 0xC0000000);
    ASSERT_EQ(reader.SourceCount(), 2u);
    std::vector<std::uint8_t> event;
    std::int32_t last = -1;
    for (int i = 0; i < 6; ++i) {
        ASSERT_EQ(reader.Next(event), S_OK);
        const auto head = ReadEventRecord<EventRecord>(event.data());
        EXPECT_GE(head.tick, 100);
        EXPECT_GE(head.tick, last);
        ComPtr<IEnumEventEx> source;
        std::int32_t index = -1;
        EXPECT_EQ(reader.CurrentSource(source.Put(), &index), S_OK);
        EXPECT_EQ(index, i % 2) << "ties go to the first series";
        last = head.tick;
    }
    MergedEventReader nothing(static_cast<IDocumentData*>(&data), 0, 0, 2, 0xC0000000);
    EXPECT_EQ(nothing.Next(event), S_FALSE);
    ComPtr<IEnumEventEx> source;
    std::int32_t index = 5;
    EXPECT_EQ(nothing.CurrentSource(source.Put(), &index), S_OK);
    EXPECT_FALSE(source);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(FormatRangeText(Ovo::String(u"1"), Ovo::String(u"3"), Ovo::String(u"2"), Ovo::String(u"4"),
                              Ovo::String(u"mL")),
              Ovo::String(u"1->3;2->4\nmL"));
}

} // namespace
