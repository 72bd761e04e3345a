#pragma once
// The time axis of a data pane: the tick spacing and label places for a
// horizontal scale (TimeAxisLayout), and the drawer that draws the ticks and
// time labels into the time scale lane (StrevDraw::TimeLabelDrawer).

#include <cstdint>

#include "panes/DrawerBase.h"
#include "panes/TimeValue.h"

// The 1-2-5 (and, for hours, 1-2-6-12-24) steps of the time grid: the first multiple
// of 10^floor(log10 x) by the multipliers that is not below x rounded to half a unit.
struct NiceStep {
    double value;
    int multiplier;
};
NiceStep NiceStep125(double x);
NiceStep NiceStep1261224(double x);

class TimeAxisLayout {
public:
    TimeAxisLayout();

    // Step, minor ticks and steps per label for a scale; probeWidth: the pixel width of the
    // widest label text. A scale that is not a positive number leaves the layout without ticks.
    void ComputeTimeGrid(double probeWidth, double secondsPerPixel, double pixelsPerMm);
    // The label fields for a strip whose left edge lies start seconds after the record's
    // start (reference: the pane's first record, for times since it); with a device
    // context, labels may go to every second step so that their texts fit.
    void LayoutLabels(HDC dc, const RecordTime& recordTime, double start, const RecordTime& reference = {});
    // Ticks can be drawn: the grid was computed for a usable scale.
    bool HasTicks() const;
    double Step() const { return mStepsPerLabel > 0 ? mLabelStep / mStepsPerLabel : 0.0; }

    double firstLabelTime = 0.0;
    double firstTickPosition = 0.0; // pixels from the record start
    std::int32_t minorCountdown = 0;
    std::int32_t stepCountdown = 0;
    double mLabelStep = 0.0;
    double pixelsPerMinorTick = 0.0;
    std::int32_t minorTicksPerStep = 0;
    std::int32_t mStepsPerLabel = 0;
    std::uint32_t displayFlags = StrevDraw::TimeValue::kWithinBlock;
    double firstLabelPosition = -1.0; // pixels from the record start
    StrevDraw::TimeValue labelValue;
    std::int32_t firstLabelTick = -1;
    double secondsPerPixel = 0.0;
};

namespace StrevDraw {

class TimeScale;

class TimeLabelDrawer : public DrawerBase {
public:
    // scale: the lane whose probe text width gives the overhangs; null for none.
    explicit TimeLabelDrawer(const TimeScale* scale);

    HRESULT GetLayout(IDrawerDataPane* pane, DWORD* layer, LONG* left, LONG* right) override;
    HRESULT QueryDataByPosition(DWORD_PTR, LONGLONG, double* value, LONG*) override;
    HRESULT SetViewRect(DWORD_PTR, LONG, const double*, IUnknown*) override { return S_OK; }
    HRESULT Invalidate(DWORD) override { return S_OK; }
    HRESULT Draw(HDC dc, LONGLONG from, LONGLONG to, LONGLONG recordOffset, LONG record, LONG x,
                 const RECT* clip, DWORD flags, const TimeAxisLayout* layout,
                 const RecordTime* recordTime) override;
    HRESULT HitTest(DWORD, DWORD_PTR, LONG, LONG, LONG*) override { return S_FALSE; }
    HRESULT Clone(DWORD flags, IStrevRecordDrawer** copy) override;

    // The settings used for the label texts instead of the user's (tests).
    void SetTextSettings(const TimeTextSettings* settings) { mSettings = settings; }

private:
    TimeAxisLayout mLayout;
    const TimeScale* mScale;
    const TimeTextSettings* mSettings = nullptr;
};

// Draw flag of a segment of a finished record: labels end before its last column.
inline constexpr DWORD kDrawFinishedRecord = 0x8000000u;

} // namespace StrevDraw
