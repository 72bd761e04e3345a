#include "panes/TimeAxis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "PaneFixtures.h"
#include "core/BinIStream.h"
#include "core/BinOStream.h"
#include "panes/TimeScale.h"
#include "platform/gdi/probe.h"

namespace {

using namespace panes_test;
using StrevDraw::TimeValue;

constexpr double kScreenPixelsPerMm = 3.7795276158179276;

TEST(TimeAxisTest, GridStepsAndMinorTicksForEachRangeOfScale) {
    struct Case {
        double s15; // seconds spanned by 15 mm
        double pixelsPerMm;
        double step;
        int minorTicks;
    };
    const Case cases[] = {
        {0.6, 4, 1, 5},        // 0.01 s a pixel: a second in five ticks of 0.2 s
        {14.9, 4, 20, 4},      // just below 15 s: the 2 of 1-2-5, in quarters
        {15, 4, 30, 6},        // minutes: half a minute in six ticks of 5 s
        {60 * 4.4, 4, 300, 2}, // five minutes; fifths would be narrower than 5 mm
        {900, 4, 3600, 6},     // an hour in six ticks of 10 min
        {3601, 4, 7200, 4},    // hours: 1-2-6-12-24 of an hour
        {6 * 3600, 4, 12 * 3600, 6},
        {64799, 4, 60 * 3600, 6},
        {64800, 4, 86400, 2}, // 18 hours and more: a day; its six 4-hour ticks would be narrower than 5 mm
        {86401, 4, 2 * 86400, 4}, // days in 1-2-5
    };
    for (const Case& c : cases) {
        TimeAxisLayout layout;
        const double p15 = static_cast<int>(15 * c.pixelsPerMm);
        layout.ComputeTimeGrid(0, c.s15 / p15, c.pixelsPerMm);
        ASSERT_TRUE(layout.HasTicks()) << c.s15;
        EXPECT_DOUBLE_EQ(layout.Step(), c.step) << c.s15;
        EXPECT_EQ(layout.minorTicksPerStep, c.minorTicks) << c.s15;
        EXPECT_DOUBLE_EQ(layout.pixelsPerMinorTick * layout.minorTicksPerStep, c.step / (c.s15 / p15))
            << c.s15;
    }
    TimeAxisLayout layout;
    layout.ComputeTimeGrid(0, 0.01, 4);
    EXPECT_DOUBLE_EQ(layout.pixelsPerMinorTick, 20.0);
    for (const double bad : {0.0, -1.0, double(NAN), HUGE_VAL}) {
        layout.ComputeTimeGrid(100, bad, 4);
        EXPECT_FALSE(layout.HasTicks()) << bad;
    }
}

TEST(TimeAxisTest, NiceStepsRoundToTheirMultipliers) {
    EXPECT_DOUBLE_EQ(NiceStep125(0.6).value, 1.0);
    EXPECT_DOUBLE_EQ(NiceStep125(1.4).value, 2.0);
    EXPECT_DOUBLE_EQ(NiceStep125(3).value, 5.0);
    EXPECT_EQ(NiceStep1261224(5).multiplier, 6);
    EXPECT_EQ(NiceStep1261224(20).value, 60.0) << "the multipliers scale with the power of ten";
}

// The time scale lane of a pane 400 pixels wide drawn for a scale and a mode.
struct ScaleDrawing {
    FakeOwner owner;
    ComPtr<StrevDraw::TimeScale> scale{new StrevDraw::TimeScale(&owner)};
    StrevDraw::TimeTextSettings settings{L":", true, L"AM", L"PM"};
    Canvas canvas{420, 30};

    std::vector<std::u16string> Labels(double secondsPerPixel,
                                       std::uint32_t display = TimeValue::kWithinBlock,
                                       RecordTime recordTime = {}, LONG columns = 400, DWORD flags = 0) {
        owner.buffered = false;
        scale->SetLayout(0, {}, {0, 0, 400, 30}, 0, 0, 0);
        scale->LabelDrawer()->SetTextSettings(&settings);
        TimeAxisLayout layout;
        layout.displayFlags = display;
        layout.ComputeTimeGrid(scale->ProbeTextWidth(), secondsPerPixel, kScreenPixelsPerMm);
        StrevDraw::LaneDrawArgs args;
        args.update = {0, 0, columns, 30};
        args.flags = flags;
        args.layout = &layout;
        args.recordTime = &recordTime;
        scale->Draw(canvas.dc, args);
        std::vector<std::u16string> texts;
        for (const gdi::DrawCall& call : gdi::DisplayListOf(canvas.dc)->Named("TextOutW"))
            texts.push_back(call.text);
        return texts;
    }
};

TEST(TimeAxisTest, LabelsOfTheAxisForATableOfSpans) {
    struct Case {
        double secondsPerPixel;
        std::uint32_t display;
        RecordTime recordTime;
        std::vector<std::u16string> labels;
    };
    const Case cases[] = {
        {0.01, TimeValue::kWithinBlock, {}, {u"0", u"1", u"2", u"3"}},
        {0.0005, TimeValue::kWithinBlock, {}, {u"0", u"0.05", u"0.1", u"0.15"}},
        {1, TimeValue::kWithinBlock, {}, {u"0", u"1:00", u"2:00", u"3:00", u"4:00", u"5:00", u"6:00"}},
        {60,
         TimeValue::kWithinBlock,
         {},
         {u"0", u"1:00:00", u"2:00:00", u"3:00:00", u"4:00:00", u"5:00:00", u"6:00:00"}},
        {180, TimeValue::kWithinBlock, {}, {u"0", u"6:00:00", u"12:00:00", u"18:00:00"}},
        {0.001, TimeValue::kWithinBlock | TimeValue::kMilliseconds, {}, {u"0", u"100", u"200", u"300"}},
        {0.01, TimeValue::kTimeOfDay, {43200.5, 0}, {u"12:00:01", u"12:00:02", u"12:00:03", u"12:00:04"}},
    };
    for (const Case& c : cases) {
        ScaleDrawing drawing;
        EXPECT_EQ(drawing.Labels(c.secondsPerPixel, c.display, c.recordTime), c.labels) << c.secondsPerPixel;
    }
}

TEST(TimeAxisTest, ALabelPastTheEndOfAFinishedRecordIsLeftOutButItsTickIsDrawn) {
    ScaleDrawing drawing;
    const auto labels =
        drawing.Labels(0.01, TimeValue::kWithinBlock, {}, 302, StrevDraw::kDrawFinishedRecord);
    EXPECT_EQ(labels, (std::vector<std::u16string>{u"0", u"1", u"2"}));
    bool tickAt300 = false;
    for (const gdi::DrawCall& call : gdi::DisplayListOf(drawing.canvas.dc)->Named("LineTo"))
        tickAt300 |=
            call.args.size() == 4 && call.args[0] == 300 && call.args[3] == 2; // from (x, y) to (x, y)
    EXPECT_TRUE(tickAt300);
}

TEST(TimeAxisTest, MillisecondsGetTheirCaptionAndTheLaneStateHasAVersion) {
    ScaleDrawing drawing;
    drawing.Labels(0.001, TimeValue::kWithinBlock | TimeValue::kMilliseconds);
    const auto captions = gdi::DisplayListOf(drawing.canvas.dc)->Named("ExtTextOutW");
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_EQ(captions[0].text, u"(ms)");
    EXPECT_EQ(captions[0].textColor, RGB(255, 255, 255));
    EXPECT_EQ(captions[0].bkColor, RGB(0, 0, 0));

    EXPECT_GT(drawing.scale->ProbeTextWidth(), 0);
    LONG left = 0, right = 0;
    drawing.scale->GetUpdateExtent(nullptr, StrevDraw::kDrawAll, left, right);
    EXPECT_EQ(right - 400, drawing.scale->ProbeTextWidth() / 2)
        << "labels overhang their strip by half a label";
}

} // namespace
