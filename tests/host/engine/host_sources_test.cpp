#include "host/engine/ChannelEventSeries.h"
#include "host/engine/EventStream.h"
#include "host/engine/FormulaParser.h"
#include "host/engine/SampleCursor.h"
#include "platform/vantrel/EventRecords.h"
#include "platform/win32/com_ptr.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace Vantrel {
namespace {

/// One channel whose sample at tick k is k, 10 ms per tick; events at ticks 10, 20, 20, 40.
class HostSourcesTest : public ::testing::Test {
protected:
    HostSourcesTest() : recording(std::vector<ChannelInfo>{{"P", "mmHg"}}) {
        std::vector<float> ramp;
        for (int k = 0; k < 50; ++k)
            ramp.push_back(static_cast<float>(k));
        recording.addRecord(Record(0.01, {ramp}));
        for (Tick tick : {10, 20, 20, 40})
            recording.addEvent(0, 0, {tick, tick + 0.5});
    }

    ComPtr<ISampleChannel> cursor(const char* formula) {
        auto expression =
            std::make_shared<SampleExpression>(FormulaParser::parse(std::string_view(formula)), 1);
        return ComPtr<ISampleChannel>::Adopt(
            new SampleCursor(recording, expression, recording.recordCount() - 1));
    }
    ComPtr<IEnumEventEx> stream() {
        return ComPtr<IEnumEventEx>::Adopt(
            new EventStream(std::make_shared<ChannelEventSeries>(recording, 0, recording.recordCount() - 1)));
    }

    Recording recording;
};

TEST_F(HostSourcesTest, SampleCursorReadsSeeksAndClonesAnIndependentCursor) {
    ComPtr<ISampleChannel> a = cursor("ch1 * 2");
    float buffer[8];
    ULONG count = 0;
    LONG position = 0;
    ASSERT_EQ(a->Read(3, buffer, &count), S_OK);
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(buffer[2], 4.0f);
    a->GetPosition(&position);
    EXPECT_EQ(position, 3);
    ComPtr<ISampleChannel> b;
    ASSERT_EQ(a->CloneCursor(b.Put()), S_OK);
    b->Seek(45);
    EXPECT_EQ(b->Read(8, buffer, &count), S_OK);
    EXPECT_EQ(count, 5u);
    EXPECT_EQ(buffer[4], 98.0f);
    EXPECT_EQ(b->Read(8, buffer, &count), S_FALSE); // the end of a complete record
    EXPECT_EQ(count, 0u);
    a->Read(1, buffer, &count);
    EXPECT_EQ(buffer[0], 6.0f); // the first cursor did not move
    a->Seek(-7);
    a->GetPosition(&position);
    EXPECT_EQ(position, 0);
    double period = 0;
    EXPECT_EQ(a->GetTickPeriod(&period), S_OK);
    EXPECT_EQ(period, 0.01);
    EXPECT_EQ(a->IsRecordComplete(), S_OK);
    EXPECT_EQ(a->Read(1, buffer, nullptr), E_POINTER);
}

TEST_F(HostSourcesTest, SampleCursorWaitsForSamplesWhileTheRecordGrows) {
    recording.startSampling(0.01);
    ComPtr<ISampleChannel> c = cursor("ch1");
    float buffer[4];
    ULONG count = 9;
    EXPECT_EQ(c->Read(4, buffer, &count), S_OK);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(c->IsRecordComplete(), S_FALSE);
    std::vector<std::vector<float>> block{{1.5f, 2.5f}};
    recording.appendBlock(block);
    EXPECT_EQ(c->Read(4, buffer, &count), S_OK);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(buffer[1], 2.5f);
    recording.stopSampling();
    EXPECT_EQ(c->Read(4, buffer, &count), S_FALSE);
}

TEST_F(HostSourcesTest, SampleCursorTurnsValuesBeyondFloatIntoInfinities) {
    ComPtr<ISampleChannel> c = cursor("ch1 * 1e300 - 1e300");
    float buffer[2];
    ULONG count = 0;
    c->Read(2, buffer, &count);
    EXPECT_EQ(buffer[0], -INFINITY);
    EXPECT_EQ(buffer[1], 0.0f);
}

TEST_F(HostSourcesTest, EventStreamDeliversBelowTheLimitAndReportsWhereItStands) {
    ComPtr<IEnumEventEx> s = stream();
    EventRecord events[4];
    ULONG count = 0;
    LONG position = 0;
    EXPECT_EQ(s->Next(sizeof events, 20, events, &count, &position), S_OK);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(position, 20); // the next event is at 20
    EXPECT_EQ(s->Next(sizeof events, 30, events, &count, &position), S_OK);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(events[1].value, 20.5);
    EXPECT_EQ(position, 30); // lowered to the limit: the next event is at 40
    EXPECT_EQ(s->Next(16, INT_MAX, events, &count, &position), S_FALSE);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(events[0].tick, 40);
    EXPECT_EQ(events[0].fraction, 0.0f);
    EXPECT_EQ(position, INT_MAX);
    EXPECT_EQ(s->Next(15, INT_MAX, events, &count, &position), E_INVALIDARG);
    ULONG size = 0;
    s->GetEventSize(&size);
    EXPECT_EQ(size, 16u);
}

TEST_F(HostSourcesTest, EventStreamFindsForwardAndBackwardAndDeliversTheFindAgain) {
    ComPtr<IEnumEventEx> s = stream();
    EventRecord found;
    EventRecord events[4];
    ULONG count = 0;
    LONG position = 0;
    EXPECT_EQ(s->Find(FALSE, 11, 0, 100, 16, &found), S_OK);
    EXPECT_EQ(found.tick, 20);
    EXPECT_EQ(s->Find(TRUE, 39, 0, 100, 16, &found), S_OK);
    EXPECT_EQ(found.tick, 20);
    s->Next(sizeof events, INT_MAX, events, &count, &position);
    EXPECT_EQ(count, 2u); // the second event at 20, then 40
    EXPECT_EQ(events[0].tick, 20);
    EXPECT_EQ(s->Find(FALSE, 21, 0, 40, 16, &found), S_FALSE); // 40 lies outside the range
    s->GetPosition(&position);
    EXPECT_EQ(position, 40);
    EXPECT_EQ(s->Find(TRUE, 9, 0, 100, 16, &found), S_FALSE);
    ComPtr<IEnumEventEx> clone;
    s->Clone(clone.Put());
    clone->GetPosition(&position);
    EXPECT_EQ(position, 10);
}

TEST_F(HostSourcesTest, EventStreamOfARecordBeingSampledSettlesAtItsEnd) {
    recording.startSampling(0.01);
    recording.addEvent(1, 0, {3, 1.0});
    ComPtr<IEnumEventEx> s = stream();
    EventRecord events[4];
    ULONG count = 0;
    LONG position = 0;
    EXPECT_EQ(s->Next(sizeof events, INT_MAX, events, &count, &position), S_OK);
    EXPECT_EQ(count, 0u); // tick 3 has not been sampled yet
    EXPECT_EQ(position, 0);
    std::vector<std::vector<float>> block{{0, 0, 0, 0, 0}};
    recording.appendBlock(block);
    EXPECT_EQ(s->Next(sizeof events, INT_MAX, events, &count, &position), S_OK);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(position, 5);
    recording.stopSampling();
    EXPECT_EQ(s->Next(sizeof events, INT_MAX, events, &count, &position), S_FALSE);
    EXPECT_EQ(position, INT_MAX);
}

} // namespace
} // namespace Vantrel
