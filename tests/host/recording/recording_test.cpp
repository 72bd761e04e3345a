#include "host/recording/Recording.h"
#include "host/recording/RecordingObserver.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace Vantrel;

struct Log : RecordingObserver {
    std::vector<std::string> calls;
    void recordStarted(std::int32_t record) override { calls.push_back("start " + std::to_string(record)); }
    void samplesAppended(std::int32_t record, Tick first, Tick count) override {
        calls.push_back("append " + std::to_string(record) + " " + std::to_string(first) + "+" +
                        std::to_string(count));
    }
    void samplingStopped(std::int32_t record) override { calls.push_back("stop " + std::to_string(record)); }
};

Recording twoChannels() {
    return Recording({{"Pressure", "mmHg"}, {"Volume", "uL"}});
}

TEST(Recording, SamplingAppendsBlocksToANewLastRecordAndTellsObservers) {
    Recording recording = twoChannels();
    recording.addRecord(Record(0.001, {{1, 2}, {3, 4}}));
    Log log;
    recording.addObserver(&log);

    recording.startSampling(0.002, 1234.5);
    const std::vector<std::vector<float>> first{{10, 11, 12}, {20, 21, 22}};
    const std::vector<std::vector<float>> empty{{}, {}};
    const std::vector<std::vector<float>> second{{13}, {23}};
    recording.appendBlock(first);
    recording.appendBlock(empty);
    recording.appendBlock(second);
    recording.stopSampling();

    EXPECT_EQ(log.calls, (std::vector<std::string>{"start 1", "append 1 0+3", "append 1 3+1", "stop 1"}));
    ASSERT_EQ(recording.recordCount(), 2);
    const Record& sampled = recording.record(1);
    EXPECT_EQ(sampled.tickPeriod(), 0.002);
    EXPECT_EQ(sampled.startTime(), 1234.5);
    EXPECT_EQ(sampled.tickCount(), 4);
    EXPECT_EQ(std::vector<float>(sampled.samples(1).begin(), sampled.samples(1).end()),
              (std::vector<float>{20, 21, 22, 23}));
    EXPECT_EQ(recording.record(0).tickCount(), 2);
}

TEST(Recording, RefusesBlocksOutsideSamplingAndRaggedBlocksWithoutChange) {
    Recording recording = twoChannels();
    const std::vector<std::vector<float>> block{{1}, {2}};
    EXPECT_THROW(recording.appendBlock(block), std::logic_error);
    EXPECT_THROW(recording.stopSampling(), std::logic_error);

    recording.startSampling(0.001);
    EXPECT_THROW(recording.startSampling(0.001), std::logic_error);
    EXPECT_THROW(recording.addRecord(Record(2, 0.001)), std::logic_error);
    const std::vector<std::vector<float>> ragged{{1, 2}, {3}};
    const std::vector<std::vector<float>> oneColumn{{1}};
    EXPECT_THROW(recording.appendBlock(ragged), std::invalid_argument);
    EXPECT_THROW(recording.appendBlock(oneColumn), std::invalid_argument);
    EXPECT_EQ(recording.record(0).tickCount(), 0);
    EXPECT_EQ(recording.record(0).samples(0).size(), 0u);
}

TEST(Recording, RefusesBadRecordsAndPeriods) {
    Recording recording = twoChannels();
    EXPECT_THROW(recording.addRecord(Record(3, 0.001)), std::invalid_argument);
    EXPECT_THROW(Record(0.001, {{1, 2}, {3}}), std::invalid_argument);
    for (const double period :
         {0.0, -0.001, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(recording.startSampling(period), std::invalid_argument) << period;
    EXPECT_THROW(recording.startSampling(0.001, std::numeric_limits<double>::quiet_NaN()),
                 std::invalid_argument);
    EXPECT_FALSE(recording.sampling());
    EXPECT_THROW(recording.record(0), std::out_of_range);
    EXPECT_THROW(recording.record(-1), std::out_of_range);
    Record record(2, 0.001);
    record.setStartTime(-2.5);
    EXPECT_EQ(record.startTime(), -2.5);
    EXPECT_THROW(record.setStartTime(std::numeric_limits<double>::quiet_NaN()), std::invalid_argument);
    EXPECT_EQ(record.startTime(), -2.5);
}

TEST(Recording, AnObserverRemovedWhileTellingIsNotToldAgain) {
    Recording recording = twoChannels();
    struct Remover : RecordingObserver {
        Recording* recording = nullptr;
        RecordingObserver* other = nullptr;
        void recordStarted(std::int32_t) override { recording->removeObserver(other); }
    } remover;
    Log removed;
    remover.recording = &recording;
    remover.other = &removed;
    recording.addObserver(&remover);
    recording.addObserver(&removed);

    recording.startSampling(0.001);
    EXPECT_TRUE(removed.calls.empty());
}

TEST(Recording, EventsAndCommentsStayInTickOrder) {
    Recording recording = twoChannels();
    recording.addRecord(Record(2, 0.001));
    recording.addEvent(0, 1, {30, 1.0});
    recording.addEvent(0, 1, {10, 2.0});
    recording.addEvent(0, 1, {30, 3.0});
    recording.addComment(0, {50, "second"});
    recording.addComment(0, {5, "first"});

    EXPECT_EQ(recording.record(0).events(1), (std::vector<Event>{{10, 2.0}, {30, 1.0}, {30, 3.0}}));
    EXPECT_TRUE(recording.record(0).events(0).empty());
    EXPECT_EQ(recording.record(0).comments(), (std::vector<Comment>{{5, "first"}, {50, "second"}}));
    EXPECT_THROW(recording.addEvent(0, 2, {1, 0.0}), std::out_of_range);
    EXPECT_THROW(recording.addComment(1, {1, "x"}), std::out_of_range);
}

} // namespace
