// The loop view's tests of loop parameters a relation plot cannot take on a
// logarithmic axis: the smallest end-diastolic pressure and minimum volume.

#include <cstdint>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/TarvikData.h"
#include "tests/support/FakeLoopHost.h"
#include "views/TarvikAnalysisGraphView.h"

namespace {

using FakeLoopHost::LastInBlock;
using FakeLoopHost::MakeLoop;
using Tarvik::TarvikAnalysisGraphView;
using Tarvik::TarvikData;
using Tarvik::TarvikEvent;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Loop data over one record of loops with these end-diastolic pressures and
// end-systolic (minimum) volumes.
class SmallLoopParameters : public testing::Test {
protected:
    void SetUp() override { data->GetVChanData().DefineChannels(); }
    void TearDown() override { data->Release(); }

    TarvikData& Analyse(const std::vector<double>& peds, const std::vector<double>& vess) {
        std::vector<TarvikEvent> events;
        for (std::size_t i = 0; i < peds.size(); ++i)
            events.push_back(MakeLoop({static_cast<std::int32_t>(100 * i), 200, peds[i], vess[i], 100}));
        events.push_back(LastInBlock(static_cast<std::int32_t>(100 * peds.size())));
        data->ResetRanges();
        data->ClearLoopMap();
        host.SetEvents(FakeLoopHost::kLoopChannel, 0, events);
        EXPECT_TRUE(data->OpenEventSource(0, 0, FakeLoopHost::kLoopChannel, kEventSourceVirtual));
        data->ReadRecordEvents(INT32_MAX);
        data->Recalculate();
        return *data;
    }

    FakeLoopHost::HostData host;
    FakeLoopHost::Document document{&host};
    TarvikData* data = new TarvikData(document);
};

TEST_F(SmallLoopParameters, TheSmallestValueIsComparedAndNeitherTheLimitNorANaNIsSmall) {
    struct Case {
        const char* what;
        std::vector<double> peds, vess;
        bool pedSmall, vminSmall;
    };
    const Case cases[] = {
        {"one small loop among larger ones", {5, 0.0005, 8}, {40, 0.00005, 50}, true, true},
        {"exactly the limits", {0.001, 0.001}, {0.0001, 0.0001}, false, false},
        {"just below the limits", {0.000999}, {0.0000999}, true, true},
        {"no number", {kNaN}, {kNaN}, false, false},
        {"negative", {-2}, {-1}, true, true},
    };
    for (const Case& c : cases) {
        TarvikData& loops = Analyse(c.peds, c.vess);
        EXPECT_EQ(TarvikAnalysisGraphView::IsLoopParam13Small(&loops), c.pedSmall) << c.what;
        EXPECT_EQ(TarvikAnalysisGraphView::IsLoopParam5Small(&loops), c.vminSmall) << c.what;
    }
}

TEST_F(SmallLoopParameters, WithoutLoopsOrLoopDataNothingIsSmall) {
    EXPECT_FALSE(TarvikAnalysisGraphView::IsLoopParam13Small(data));
    EXPECT_FALSE(TarvikAnalysisGraphView::IsLoopParam5Small(data));
    EXPECT_FALSE(TarvikAnalysisGraphView::IsLoopParam13Small(nullptr));
    EXPECT_FALSE(TarvikAnalysisGraphView::IsLoopParam5Small(nullptr));
}

} // namespace
