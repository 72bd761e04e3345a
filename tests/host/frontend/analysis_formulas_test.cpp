#include "host/frontend/AnalysisFormulas.h"

#include <gtest/gtest.h>

#include <limits>

namespace Vantrel {
namespace {

TEST(AnalysisFormulas, WriteTheDocumentsAnalyserTextForTheWholeRecording) {
    EXPECT_EQ(
        analyzerFormula({0, 1, {}}, 0.0),
        "TarvikAnalyzer(ch1, ch2, PVEdpDet(ch1, CMPeakDet(ch1, 20, 0), 20, 0, 0, 2147483647, 2147483647), "
        "0, 0, 2147483647, 2147483647)");
    EXPECT_EQ(analyzerFormula({9, 2, 0}, 0.000123456789),
              "TarvikAnalyzer(ch10, ch3, PVEcgEdpDet(CMPeakDet(ch1, 0.000123457, 0), 0, 0, 2147483647, "
              "2147483647), 0, 0, 2147483647, 2147483647)");
    EXPECT_EQ(
        analyzerFormulaOnVirtualVolume({0, 1, {}}, 0.0),
        "TarvikAnalyzer(ch1, pvvolumewithoutvp, PVEdpDet(ch1, CMPeakDet(ch1, 20, 0), 20, 0, 0, 2147483647, "
        "2147483647), 0, 0, 2147483647, 2147483647)");
    EXPECT_EQ(volumeFormula({0, 1, {}}), "ch2");
    EXPECT_EQ(parameterSelectorFormula("TarvikAnalyzer(x)", 18),
              "TarvikParamSelector(TarvikAnalyzer(x), 18, 1, 1)");
}

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
