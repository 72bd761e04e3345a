// The merged event reader over series of constructed events: the merge order of several series,
// ties, events before the start and events without a finite value, and series of another kind.

#include <cmath>
#include <limits>
#include <map>

#include <gtest/gtest.h>

#include "document/MergedEventReader.h"
#include "host/engine/ComObject.h"
#include "platform/vantrel/EventRecords.h"
#include "platform/vantrel/IDocumentEvents.h"
#include "platform/vantrel/IVirtualChannelService.h"
#include "tests/support/FakeCalcSources.h"

namespace {

using namespace Tarvik;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The data object of a document whose channel 0 has series drawn on it: each linked series is the
// virtual channel of its number, with the events given.
class DrawnSeries : public Vantrel::ComObject<IVirtualChannelService, IDocumentEvents> {
public:
    void Draw(DWORD channel, DWORD style, std::vector<OvoEventBase> events) {
        mLinks.push_back({VirtualChannelRef{channel, kEventLinkFlags}, style, 0});
        mEvents[channel] = std::move(events);
    }

    HRESULT GetDrawnEvents(LONG channel, DWORD, ULONG index, EventDrawLink* link) override {
        if (channel != 0 || index >= mLinks.size())
            return S_FALSE;
        *link = mLinks[index];
        return S_OK;
    }
    HRESULT CreateEventEnumerator(DWORD, DWORD channel, DWORD, LONG, LONG, LONG, LONG,
                                  IEnumEventEx** out) override {
        const auto found = mEvents.find(channel);
        if (found == mEvents.end())
            return E_INVALIDARG;
        *out = new FakeEngine::EventSeries(FakeEngine::Events(found->second));
        return S_OK;
    }

    HRESULT CreateChannel(BSTR, VirtualChannelRef*, BSTR*) override { return E_NOTIMPL; }
    HRESULT SetChannelVisible(BSTR, WORD) override { return E_NOTIMPL; }
    HRESULT SetChannelTitle(BSTR, BSTR) override { return E_NOTIMPL; }
    HRESULT GetChannelKey(VirtualChannelRef, BSTR*) override { return E_NOTIMPL; }
    HRESULT LinkEvents(LONG, LONG, DWORD, const EventDrawLink*) override { return E_NOTIMPL; }
    HRESULT UnlinkEvents(LONG, VirtualChannelRef) override { return E_NOTIMPL; }
    HRESULT ReleaseChannel(VirtualChannelRef) override { return E_NOTIMPL; }
    HRESULT RefreshChannel(BSTR) override { return E_NOTIMPL; }
    HRESULT MarkDataEnd() override { return E_NOTIMPL; }

private:
    void* find(REFIID iid) override {
        if (iid == IID_IVirtualChannelService)
            return static_cast<IVirtualChannelService*>(this);
        if (iid == IID_IDocumentEvents)
            return static_cast<IDocumentEvents*>(this);
        return nullptr;
    }

    std::vector<EventDrawLink> mLinks;
    std::map<DWORD, std::vector<OvoEventBase>> mEvents;
};

OvoEventBase At(std::int32_t tick, double value) {
    OvoEventBase event;
    event.tick = tick;
    event.value = value;
    return event;
}

struct Read {
    std::int32_t tick;
    double value;
    std::int32_t source;
    friend bool operator==(const Read&, const Read&) = default;
};

std::vector<Read> ReadAll(MergedEventReader& reader) {
    std::vector<Read> read;
    std::vector<std::uint8_t> event;
    while (read.size() < 100 && reader.Next(event) == S_OK) {
        const auto head = ReadEventRecord<EventRecord>(event.data());
        ComPtr<IEnumEventEx> source;
        std::int32_t index = -1;
        EXPECT_EQ(reader.CurrentSource(source.Put(), &index), S_OK);
        EXPECT_TRUE(source);
        read.push_back({head.tick, head.value, index});
    }
    return read;
}

// Three loop-marker series (more than eight events in the first, so it is read in several
// buffers), one series drawn in another style, and one whose values are all not finite.
TEST(MergedEventReader, MergesTheSeriesByTickTheEarlierSeriesFirstOnATie) {
    auto data = ComPtr<DrawnSeries>::Adopt(new DrawnSeries);
    std::vector<OvoEventBase> first{At(10, 1), At(30, kNaN), At(40, 2)};
    for (std::int32_t t = 100; t < 110; ++t)
        first.push_back(At(t, t));
    data->Draw(4, kEventDrawLoopMarkers, first);
    data->Draw(5, 0x801D0002u, {At(9, 9), At(12, 9)});
    data->Draw(6, kEventDrawLoopMarkers, {At(10, 5), At(20, kInf), At(25, 3), At(40, 4)});
    data->Draw(7, kEventDrawLoopMarkers, {At(20, kNaN), At(60, -kInf)});
    data->Draw(8, kEventDrawLoopMarkers, {At(5, 1), At(10, 7), At(50, 1)});
    MergedEventReader reader(static_cast<IVirtualChannelService*>(data.Get()), 0, 8, 0, kEventLinkFlags);
    ASSERT_EQ(reader.SourceCount(), 4u) << "the loop-marker series only";
    ComPtr<IEnumEventEx> source;
    std::int32_t index = 0;
    EXPECT_EQ(reader.CurrentSource(source.Put(), &index), E_FAIL) << "no event read yet";

    std::vector<Read> expected{{10, 1, 0}, {10, 5, 1}, {10, 7, 3}, {25, 3, 1},
                               {40, 2, 0}, {40, 4, 1}, {50, 1, 3}};
    for (std::int32_t t = 100; t < 110; ++t)
        expected.push_back({t, static_cast<double>(t), 0});
    EXPECT_EQ(ReadAll(reader), expected);
    std::vector<std::uint8_t> event;
    EXPECT_EQ(reader.Next(event), S_FALSE) << "and stays at the end";
}

TEST(MergedEventReader, SeriesWithoutFiniteValuesOrNoSeriesGiveNothing) {
    auto data = ComPtr<DrawnSeries>::Adopt(new DrawnSeries);
    data->Draw(1, kEventDrawLoopMarkers, {At(1, kNaN), At(2, kInf), At(3, -kInf)});
    MergedEventReader notFinite(static_cast<IVirtualChannelService*>(data.Get()), 0, 0, 0, kEventLinkFlags);
    EXPECT_EQ(notFinite.SourceCount(), 1u);
    EXPECT_TRUE(ReadAll(notFinite).empty());

    MergedEventReader otherChannel(static_cast<IVirtualChannelService*>(data.Get()), 0, 0, 3,
                                   kEventLinkFlags);
    EXPECT_EQ(otherChannel.SourceCount(), 0u);
    std::vector<std::uint8_t> event;
    EXPECT_EQ(otherChannel.Next(event), S_FALSE);
}

} // namespace
