#include "panes/TimeAxis.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <sstream>

#include "panes/TimeScale.h"
#include "platform/gdi/gdi.h"

namespace {

NiceStep Nice(double x, const int* multipliers, int count) {
    const double p = std::pow(10.0, std::floor(std::log10(x)));
    const double m = x / p + 0.5;
    for (int i = 0; i < count - 1; ++i)
        if (m <= multipliers[i])
            return {multipliers[i] * p, multipliers[i]};
    return {multipliers[count - 1] * p, multipliers[count - 1]};
}

std::size_t TextLength(const StrevDraw::TimeValue& value) {
    std::wostringstream out;
    value.WriteText(out, value.TextFlags());
    return out.str().size();
}

// How far a value moves to the next multiple of step (0 when it is on one).
double ToBoundary(double t, double step) {
    const double r = t >= 0 ? std::fmod(t, step) : step - std::fmod(-t, step);
    return r <= 0 ? -r : (r >= step ? 0.0 : step - r);
}

} // namespace

NiceStep NiceStep125(double x) {
    static const int multipliers[] = {1, 2, 5, 10};
    return Nice(x, multipliers, 4);
}

NiceStep NiceStep1261224(double x) {
    static const int multipliers[] = {1, 2, 6, 12, 24};
    return Nice(x, multipliers, 5);
}

TimeAxisLayout::TimeAxisLayout() {
    labelValue.SetTime(StrevDraw::TimeValue::kWithinBlock, {}, true, 0.0);
    labelValue.SetDigits();
}

bool TimeAxisLayout::HasTicks() const {
    return std::isfinite(pixelsPerMinorTick) && pixelsPerMinorTick > 0 && minorTicksPerStep > 0 &&
           mStepsPerLabel > 0 && std::isfinite(mLabelStep) && mLabelStep > 0;
}

void TimeAxisLayout::ComputeTimeGrid(double probeWidth, double spp, double pixelsPerMm) {
    pixelsPerMinorTick = 0.0;
    minorTicksPerStep = 0;
    mStepsPerLabel = 0;
    mLabelStep = 0.0;
    secondsPerPixel = spp;
    if (!(spp > 0) || !std::isfinite(spp) || !(pixelsPerMm > 0) || !std::isfinite(pixelsPerMm))
        return;
    const int p5 = static_cast<int>(5 * pixelsPerMm);
    const int p15 = static_cast<int>(15 * pixelsPerMm);
    const double s15 = p15 * spp;
    if (!(s15 > 0))
        return;
    double step = 0;
    int multiplier = 1;
    bool six = false;
    if (s15 < 15) {
        const NiceStep n = NiceStep125(s15);
        step = n.value;
        multiplier = n.multiplier;
    } else if (s15 < 900) {
        const NiceStep n = NiceStep125(s15 / 60);
        step = 60 * n.value;
        multiplier = n.multiplier;
        six = step < 61;
    } else if (s15 < 64800) {
        if (s15 < 3601) {
            step = 3600;
            six = true;
        } else {
            const NiceStep n = NiceStep1261224(s15 / 3600);
            step = 3600 * n.value;
            multiplier = n.multiplier;
            six = multiplier >= 6;
        }
    } else if (s15 < 86401) {
        step = 86400;
        six = true;
    } else {
        const NiceStep n = NiceStep125(s15 / 86400);
        step = 86400 * n.value;
        multiplier = n.multiplier;
    }
    const double width = step / spp;
    const int candidate = six ? 6 : multiplier == 2 ? 4 : 5;
    minorTicksPerStep = width / candidate >= p5 ? candidate : 2;
    pixelsPerMinorTick = width / minorTicksPerStep;
    mStepsPerLabel = static_cast<int>(probeWidth / width + 1.0);
    mLabelStep = mStepsPerLabel * step;
}

void TimeAxisLayout::LayoutLabels(HDC dc, const RecordTime& recordTime, double start,
                                  const RecordTime& reference) {
    if (!HasTicks())
        return;
    labelValue.SetTime(displayFlags, recordTime, false, start, reference);
    const double t = labelValue.TotalSeconds();
    const double step = Step();
    mStepsPerLabel = 1;
    mLabelStep = step;
    if (dc) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        for (int pass = 0; pass < 2; ++pass) {
            StrevDraw::TimeValue first = labelValue;
            first.AddSeconds(ToBoundary(t, step));
            StrevDraw::TimeValue second = first;
            second.AddSeconds(step);
            const double needed = static_cast<double>(std::max(TextLength(first), TextLength(second)) + 2) *
                                  metrics.tmAveCharWidth;
            const double available = minorTicksPerStep * pixelsPerMinorTick * mStepsPerLabel;
            if (needed < available)
                break;
            mStepsPerLabel = 2;
            mLabelStep = 2 * step;
        }
    }
    labelValue.AddSeconds(ToBoundary(t, mLabelStep));
    firstLabelTime = labelValue.TotalSeconds();
    const int n = minorTicksPerStep * mStepsPerLabel;
    firstLabelTick = static_cast<int>(std::floor((firstLabelTime - t) / (mLabelStep / n) + 0.5));
    firstLabelPosition = (firstLabelTime - (t - start)) / secondsPerPixel;
    firstTickPosition = firstLabelPosition - firstLabelTick * pixelsPerMinorTick;
    stepCountdown = (firstLabelTick / minorTicksPerStep) % mStepsPerLabel + 1;
    if (firstLabelTick == n)
        stepCountdown += mStepsPerLabel;
    minorCountdown = firstLabelTick % minorTicksPerStep + 1;
}

namespace StrevDraw {

TimeLabelDrawer::TimeLabelDrawer(const TimeScale* scale)
    : DrawerBase(kGridKind, 0, -1, kNoSelector, kNoChannel, kNoSelector), mScale(scale) {}

HRESULT TimeLabelDrawer::GetLayout(IDrawerDataPane*, DWORD* layer, LONG* left, LONG* right) {
    const LONG half = mScale ? mScale->ProbeTextWidth() / 2 : 0;
    return WriteLayout(0, half, half, layer, left, right);
}

HRESULT TimeLabelDrawer::QueryDataByPosition(DWORD_PTR, LONGLONG, double* value, LONG*) {
    if (value)
        *value = 0.0;
    return S_FALSE;
}

HRESULT TimeLabelDrawer::Clone(DWORD, IStrevRecordDrawer** copy) {
    if (!copy)
        return E_POINTER;
    auto* drawer = new TimeLabelDrawer(nullptr);
    drawer->mLayout = mLayout;
    drawer->mSettings = mSettings;
    *copy = drawer;
    drawer->AddRef();
    return S_OK;
}

HRESULT TimeLabelDrawer::Draw(HDC dc, LONGLONG from, LONGLONG to, LONGLONG recordOffset, LONG, LONG x,
                              const RECT* clip, DWORD flags, const TimeAxisLayout* layout,
                              const RecordTime* recordTime) {
    const LONG height = mBounds.bottom - mBounds.top;
    const LONG clipLeft = clip ? clip->left : x;
    const LONG clipRight = clip ? clip->right : x + static_cast<LONG>(to - from);
    const RECT visible{clipLeft, 0, clipRight, height};
    FillRect(dc, &visible, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!layout || !layout->HasTicks())
        return S_OK;
    mLayout = *layout;
    mLayout.labelValue.SetTextSettings(mSettings);
    // Seconds from the record's start to the strip's first column.
    const double start = static_cast<double>(-recordOffset) * mLayout.secondsPerPixel;
    mLayout.LayoutLabels(dc, recordTime ? *recordTime : RecordTime{}, start);
    if (!mLayout.HasTicks())
        return S_OK;

    const double recordColumn = static_cast<double>(x) + static_cast<double>(recordOffset);
    const double rightLimit = (flags & kDrawFinishedRecord) ? static_cast<double>(x + (to - from)) : HUGE_VAL;
    double scale = 1.0, scaleY = 1.0;
    if (mDrawerData)
        mDrawerData->GetDeviceScale(&scale, &scaleY);
    const int major = static_cast<int>(2 * scale);
    const int minor = major / 2;
    const int labelTop = static_cast<int>(4 * scale - 1);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    int minorCountdown = mLayout.minorCountdown;
    int stepCountdown = mLayout.stepCountdown;
    TimeValue label = mLayout.labelValue;
    for (long i = 0;; ++i) {
        const double p = static_cast<double>(i) * mLayout.pixelsPerMinorTick + mLayout.firstTickPosition;
        const double column = recordColumn + p;
        const LONG tickX = static_cast<LONG>(std::floor(column + 0.5));
        if (tickX >= mBounds.right)
            break;
        bool isStep = false;
        const wchar_t* text = nullptr;
        if (--minorCountdown == 0) {
            isStep = true;
            minorCountdown = mLayout.minorTicksPerStep;
            if (--stepCountdown == 0) {
                text = label.ToText();
                label.AddSeconds(mLayout.mLabelStep);
                stepCountdown = mLayout.mStepsPerLabel;
            }
        }
        if (p < -0.5)
            continue;
        if (text) {
            SIZE extent{};
            const int length = static_cast<int>(std::wcslen(text));
            std::u16string wide;
            for (int k = 0; k < length; ++k)
                wide.push_back(static_cast<char16_t>(text[k]));
            GetTextExtentPoint32W(dc, wide.c_str(), length, &extent);
            if (extent.cx < rightLimit - column)
                TextOutW(dc, tickX, labelTop, wide.c_str(), length);
        }
        if (tickX >= clipLeft && tickX < clipRight) {
            MoveToEx(dc, tickX, 0, nullptr);
            LineTo(dc, tickX, isStep ? major : minor);
        }
    }
    SelectObject(dc, oldPen);
    return S_OK;
}

} // namespace StrevDraw
