#include "host/frontend/AnalysisFormulas.h"

#include <gtest/gtest.h>

#include <limits>

namespace Vantrel {
namespace {

TEST(AnalysisFormulas, TakesHalfTheEcgRangeAsTheRWaveHeight) {
    Recording recording(std::vector<ChannelInfo>{{"ECG", "mV"}});
    recording.addRecord(Record(0.001, {{0.1f, 1.1f, std::numeric_limits<float>::quiet_NaN()}}));
    recording.addRecord(Record(0.001, {{-0.4f, 0.0f}}));
    EXPECT_NEAR(rWaveHeight(recording, 0), 0.75, 1e-6);
    Recording empty(std::vector<ChannelInfo>{{"ECG", "mV"}});
    EXPECT_EQ(rWaveHeight(empty, 0), 0.0);
}

} // namespace
} // namespace Vantrel
