#include "analysis/VChanData.h"
#include "tests/support/FakeLoopHost.h"

#include <gtest/gtest.h>

namespace {

using FakeLoopHost::HostData;
using FakeLoopHost::kLoopChannel;
using FakeLoopHost::LastInBlock;
using FakeLoopHost::MakeLoop;
using Tarvik::PVAEvent;
using Tarvik::TarvikEvent;
using Tarvik::VChanData;

constexpr std::uint32_t V = TarvikEvent::Valid, M = TarvikEvent::Marked;

// Loop k of record r sits at tick 1000 r + 100 k; every record ends with its trailing event.
std::vector<TarvikEvent> RecordLoops(std::int32_t record, const std::vector<std::uint32_t>& states) {
    std::vector<TarvikEvent> loops;
    std::int32_t tick = 1000 * record;
    for (std::uint32_t s : states) {
        loops.push_back(MakeLoop({tick, 100.0 + tick, 5, 40, 90, s}));
        tick += 100;
    }
    loops.push_back(LastInBlock(tick));
    return loops;
}

class VChanDataTest : public testing::Test {
protected:
    void SetUp() override { data.DefineChannels(); }
    void TearDown() override {
        data.Reset();
        EXPECT_EQ(host.references, 1u) << "references handed out and not released";
        EXPECT_TRUE(host.ChannelObjectsReleased());
    }

    // Puts a record's loop events into the host and counts them, as reading an analysis does.
    void Feed(std::int32_t record, const std::vector<TarvikEvent>& loops) {
        host.SetEvents(kLoopChannel, record, loops);
        for (const TarvikEvent& e : loops)
            data.AddLoop(record, e);
    }
    std::int32_t TickByIndex(std::int32_t i) {
        TarvikEvent e;
        return data.GetLoopByIndex(i, e) ? e.tick : -1;
    }
    std::int32_t TickIncluded(std::int32_t i) {
        TarvikEvent e;
        return data.GetLoop(i, e) ? e.tick : -1;
    }

    HostData host;
    VChanData data{&host, [] { return static_cast<IUnknown*>(new FakeLoopHost::CalcObject); }};
};

TEST_F(VChanDataTest, ChannelsAreCreatedOnceInOrder) {
    data.DefineChannels();
    const std::vector<std::string> expected{
        "CreateChannel tarvik", "SetChannelVisible key:tarvik 65535", "SetChannelTitle key:tarvik Tarvik",
        "CreateChannel pva",    "CreateChannel pvvolumewithoutvp",    "CreateChannel pveventwithoutvp"};
    EXPECT_EQ(host.calls, expected);
    VirtualChannelRef loops, pva;
    ASSERT_TRUE(data.GetChannelRefs(loops, pva));
    EXPECT_EQ(loops, (VirtualChannelRef{kLoopChannel, 0xC0000000u}));
    EXPECT_EQ(pva.channel, FakeLoopHost::kPvaChannel);
}

TEST_F(VChanDataTest, UndefinedChannelsBeforeTheServiceAnswers) {
    VChanData orphan(nullptr);
    orphan.DefineChannels();
    VirtualChannelRef loops, pva;
    EXPECT_FALSE(orphan.GetChannelRefs(loops, pva));
    EXPECT_EQ(loops, VirtualChannelRef{});
    TarvikEvent e;
    EXPECT_FALSE(orphan.GetLoop(0, e));
    EXPECT_EQ(orphan.FindLoopAt(0, 0), -1);
}

TEST_F(VChanDataTest, ChannelsAreReleasedOnlyOnceDefined) {
    EXPECT_FALSE(data.ReleaseChannels());
    data.SetLoopCalculation("TarvikAnalyzer(ch1, ch2)", "ch2", "TarvikAnalyzer(ch1, pvvolumewithoutvp)");
    Feed(0, RecordLoops(0, {V}));
    host.calls.clear();
    EXPECT_TRUE(data.ReleaseChannels());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"ReleaseChannel 100", "ReleaseChannel 102",
                                                    "ReleaseChannel 103", "ReleaseChannel 101"}));
    EXPECT_EQ(data.GetStats(), nullptr);
    EXPECT_FALSE(data.ReleaseChannels());
}

TEST_F(VChanDataTest, LoopCalculationsFollowTheDataEndAndNeedTheLoopsAccepted) {
    host.calls.clear();
    EXPECT_TRUE(data.SetLoopCalculation("TarvikAnalyzer(ch1, ch2, PVEcgEdpDet(ch3))", "ch2 - 5",
                                        "TarvikAnalyzer(ch1, pvvolumewithoutvp, PVEcgEdpDet(ch3))"));
    data.SetPVACalculation("PVACalc(tarvik, -1 , 0, 0, 0, 0, 0, 0, 0)");
    const std::vector<std::string> expected{
        "MarkDataEnd",
        "DropData 100",
        "Assign 100 tarvik: TarvikAnalyzer(ch1, ch2, PVEcgEdpDet(ch3))",
        "DropData 102",
        "Assign 102 pvvolumewithoutvp: ch2 - 5",
        "DropData 103",
        "Assign 103 pveventwithoutvp: TarvikAnalyzer(ch1, pvvolumewithoutvp, PVEcgEdpDet(ch3))",
        "DropData 101",
        "Assign 101 pva: PVACalc(tarvik, -1 , 0, 0, 0, 0, 0, 0, 0)"};
    EXPECT_EQ(host.calls, expected);
    host.calls.clear();
    EXPECT_FALSE(data.SetLoopCalculation("refused", "ch2", "TarvikAnalyzer(ch1, pvvolumewithoutvp)"));
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"MarkDataEnd", "DropData 100", "Assign 100 tarvik: refused"}));
    EXPECT_TRUE(data.IsDefined());
    // Without "tarvik" there is no pressure-volume area to compute.
    VChanData undefined(&host, [] { return static_cast<IUnknown*>(new FakeLoopHost::CalcObject); });
    host.calls.clear();
    undefined.SetPVACalculation("PVACalc(tarvik, -1 , 0, 0, 0, 0, 0, 0, 0)");
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(VChanDataTest, ASequentialWalkOpensTheRecordOnceAndReadsEightEventsPerCall) {
    Feed(0, RecordLoops(0, std::vector<std::uint32_t>(20, V)));
    for (std::int32_t i = 0; i < 21; ++i)
        EXPECT_EQ(TickByIndex(i), i * 100);
    EXPECT_EQ(host.opens, 1);
    EXPECT_EQ(host.NextCalls(), 3);
    EXPECT_EQ(TickByIndex(20), 2000); // the same event again costs nothing
    EXPECT_EQ(host.NextCalls(), 3);
}

TEST_F(VChanDataTest, AnEarlierLoopReopensTheRecord) {
    Feed(0, RecordLoops(0, std::vector<std::uint32_t>(10, V)));
    EXPECT_EQ(TickByIndex(5), 500);
    EXPECT_EQ(TickByIndex(3), 300);
    EXPECT_EQ(host.opens, 2);
    EXPECT_EQ(data.GetStats()->total(), 11);
}

// The cursor reads no events larger than 64 KiB; it lets go of such an enumerator (TearDown and the
// leak check see it released).
TEST_F(VChanDataTest, ARecordOfOversizedEventsIsNotRead) {
    auto oversized = std::make_shared<FakeEngine::EventData>();
    oversized->eventSize = 0x10001;
    host.events[{kLoopChannel, 0}] = oversized;
    data.AddLoop(0, MakeLoop({0, 100.0, 5, 40, 90, V}));
    EXPECT_EQ(TickByIndex(0), -1);
    EXPECT_EQ(TickByIndex(0), -1);
    EXPECT_EQ(host.opens, 2);
}

TEST_F(VChanDataTest, LoopsPastTheCountedOnesAreNotRead) {
    Feed(0, RecordLoops(0, {V, V}));
    // The host holds more events than were counted (the analysis is still reading them).
    host.SetEvents(kLoopChannel, 0, RecordLoops(0, {V, V, V, V, V}));
    EXPECT_EQ(TickByIndex(3), -1);
    EXPECT_EQ(TickIncluded(2), -1);
    EXPECT_EQ(TickByIndex(-1), -1);
    EXPECT_EQ(host.opens, 0);
    EXPECT_EQ(data.GetLoopPosition(2), TickPosition::None());
}

TEST_F(VChanDataTest, GlobalAndIncludedIndicesReadTheirOwnLoopsAcrossRecords) {
    Feed(0, RecordLoops(0, {V, V}));
    Feed(2, RecordLoops(2, {V, V, V}));
    // Global: 0 100 200(end) 2000 2100 2200 2300(end); included: 0 100 2000 2100 2200.
    const std::vector<std::int32_t> global{0, 100, 200, 2000, 2100, 2200, 2300};
    const std::vector<std::int32_t> included{0, 100, 2000, 2100, 2200};
    for (std::int32_t i = 0; i < 7; ++i)
        EXPECT_EQ(TickByIndex(i), global[static_cast<std::size_t>(i)]) << "global " << i;
    for (std::int32_t i = 0; i < 5; ++i)
        EXPECT_EQ(TickIncluded(i), included[static_cast<std::size_t>(i)]) << "included " << i;
    // Alternating between the two index spaces inside one record still gives each its own loop.
    EXPECT_EQ(TickByIndex(4), 2100);
    EXPECT_EQ(TickIncluded(4), 2200);
    EXPECT_EQ(TickIncluded(3), 2100);
    EXPECT_EQ(TickByIndex(4), 2100);
    EXPECT_EQ(data.GetLoopPosition(2), (TickPosition{2, 2000}));
    EXPECT_EQ(data.GetLoopPositionByIndex(6), (TickPosition{2, 2300}));
}

TEST_F(VChanDataTest, AMarkedLoopIsReadMarked) {
    Feed(0, RecordLoops(0, {V, V}));
    Feed(1, RecordLoops(1, {V, M, V}));
    data.GetStats()->SetEventState(data.GetStats()->IncludedToRow(1), M);
    TarvikEvent e;
    ASSERT_TRUE(data.GetLoop(1, e));
    EXPECT_EQ(e.state, M);
    ASSERT_TRUE(data.GetLoopByIndex(1, e));
    EXPECT_EQ(e.state, M);
    // The analyser's own mark on included loop 3 (global 4) is kept by its global index.
    ASSERT_TRUE(data.GetLoop(3, e));
    EXPECT_EQ(e.tick, 1100);
    EXPECT_EQ(e.state, M);
    ASSERT_TRUE(data.GetLoop(2, e));
    EXPECT_EQ(e.state, V);
}

TEST_F(VChanDataTest, LoopsWithoutVolumeCorrectionCarryTheLoopsMarks) {
    Feed(0, RecordLoops(0, {V, V}));
    std::vector<TarvikEvent> uncorrected = RecordLoops(0, {V, V});
    for (TarvikEvent& e : uncorrected)
        e.ved += 7;
    host.SetEvents(FakeLoopHost::kLoopWithoutVPChannel, 0, uncorrected);
    data.GetStats()->SetEventState(1, M);
    TarvikEvent e;
    ASSERT_TRUE(data.GetLoopWithoutVP(1, e));
    EXPECT_EQ(e.ved, 207.0);
    EXPECT_EQ(e.state, M);
    ASSERT_TRUE(data.GetLoopWithoutVPByIndex(0, e));
    EXPECT_EQ(e.state, V);
}

TEST_F(VChanDataTest, PressureVolumeAreaEventsAreReadByBothIndices) {
    Feed(0, RecordLoops(0, {V}));
    Feed(1, RecordLoops(1, {V}));
    std::vector<PVAEvent> pva(2);
    for (std::size_t k = 0; k < 2; ++k) {
        pva[k].tick = 1000 + 100 * static_cast<std::int32_t>(k);
        pva[k].pva = 10.0 * static_cast<double>(k + 1);
    }
    host.SetEvents(FakeLoopHost::kPvaChannel, 1, pva);
    PVAEvent e;
    ASSERT_TRUE(data.GetPVA(1, e));
    EXPECT_EQ(e.pva, 10.0);
    ASSERT_TRUE(data.GetPVAByIndex(3, e));
    EXPECT_EQ(e.pva, 20.0);
    EXPECT_FALSE(data.GetPVA(0, e)); // record 0 has no events on the channel
}

TEST_F(VChanDataTest, FindLoopAtNamesOnlyLoopsThatExist) {
    Feed(0, RecordLoops(0, {V, V}));
    Feed(2, RecordLoops(2, {V, V}));
    EXPECT_EQ(data.FindLoopAt(2, 2100), 4);
    EXPECT_EQ(data.FindLoopAt(0, 0), 0);
    EXPECT_EQ(data.FindLoopAt(2, 2150), -1); // no event at that tick
    EXPECT_EQ(data.FindLoopAt(1, 1000), -1); // an empty record
    EXPECT_EQ(data.FindLoopAt(3, 3000), -1); // a record beyond the analysis
}

TEST_F(VChanDataTest, MarkersMoveBetweenChannelsAndChannelsAreRefreshed) {
    host.calls.clear();
    data.MoveMarkerLink(-1, 0, true);
    data.MoveMarkerLink(0, 3, false);
    data.RefreshChannels();
    const std::vector<std::string> expected{"LinkEvents 0 0 3221225472 100 2149384193",
                                            "UnlinkEvents 0 100",
                                            "GetChannelKey 100",
                                            "RefreshChannel key100",
                                            "GetChannelKey 101",
                                            "RefreshChannel key101",
                                            "GetChannelKey 102",
                                            "RefreshChannel key102",
                                            "GetChannelKey 103",
                                            "RefreshChannel key103"};
    EXPECT_EQ(host.calls, expected);
}

} // namespace
