// The point lists the loop view and the relation plots draw, and the loop traces.
#include "analysis/TarvikData.h"

#include "core/NumericHelpers.h"
#include "platform/vantrel/ISampleBlocks.h"

#include <algorithm>
#include <cfloat>

namespace Tarvik {

namespace {

// Colours (0x00BBGGRR).
constexpr COLORREF kEndDiastolicColour = 0xFFCE0C;
constexpr COLORREF kEndSystolicColour = 0xFF;
constexpr COLORREF kRelationColour = 0xE1;
constexpr COLORREF kCuvetteColour = 0xFF;
constexpr COLORREF kHighlightedColour = 0xC00000;
constexpr COLORREF kHighlightedMarkedColour = 0xFFAAA0;
constexpr COLORREF kMarkedColour = 0xC0C0C0;

// While sampling only the newest loops are drawn.
constexpr std::int32_t kOnlineLoops = 30;
constexpr std::int32_t kOnlineFadeStep = 7;

COLORREF Grey(std::int32_t level) {
    const auto g = static_cast<COLORREF>(std::clamp(level, 0, 0xFF));
    return g | (g << 8) | (g << 16);
}

} // namespace

void TarvikData::ClearPoints() {
    mPressures.clear();
    mVolumes.clear();
}

// Volumes (x) and pressures (y) of the plot just built.
void TarvikData::PublishPoints(std::int32_t& count, const float*& x, const float*& y) const {
    count = static_cast<std::int32_t>(mVolumes.size());
    x = count > 0 ? mVolumes.data() : nullptr;
    y = count > 0 ? mPressures.data() : nullptr;
}

std::int32_t TarvikData::OnlineFirstLoop(std::int32_t first, std::int32_t included) {
    return IsOnlineMode() ? std::max(first, included - kOnlineLoops) : first;
}

// Whether the loop starts before the trace limit (positions compare record first, then tick).
bool TarvikData::BeforeTraceLimit(const TickPosition& position, const TarvikEvent& loop) const {
    if (position.record != mTraceLimit.record)
        return position.record < mTraceLimit.record;
    return loop.loopStartTick < mTraceLimit.tick;
}

void TarvikData::GetAnalysisPlotPoints(std::int32_t plot, std::int32_t& count, const float*& volumes,
                                       const float*& pressures, std::int32_t& flag, COLORREF& colour) {
    ClearPoints();
    flag = 0;
    if (plot == kEndDiastolicPoints || plot == kEndSystolicPoints)
        CollectLoopPoints(plot, colour);
    else if (plot >= kHighlightedTrace)
        GetLoopTrace(plot, colour);
    PublishPoints(count, volumes, pressures);
}

// The end-diastolic or end-systolic points of the usable loops before the trace limit, walking the
// included loops with each loop's own position.
void TarvikData::CollectLoopPoints(std::int32_t plot, COLORREF& colour) {
    const bool endSystolic = plot == kEndSystolicPoints;
    colour = endSystolic ? kEndSystolicColour : kEndDiastolicColour;
    const std::int32_t included = IncludedCount();
    TarvikEvent loop;
    for (std::int32_t i = OnlineFirstLoop(0, included); i < included; ++i) {
        if (!mVchan.GetLoop(i, loop))
            continue;
        const TickPosition position = mVchan.GetLoopPosition(i);
        if (loop.state != TarvikEvent::Valid)
            continue;
        if (!BeforeTraceLimit(position, loop))
            break;
        mPressures.push_back(static_cast<float>(endSystolic ? loop.pes : loop.ped));
        mVolumes.push_back(static_cast<float>(endSystolic ? loop.ves : loop.ved));
    }
}

bool TarvikData::GetLoopTrace(std::int32_t slot, COLORREF& colour) {
    ClearPoints();
    const std::int32_t included = IncludedCount();
    const bool highlighted = slot == kHighlightedTrace;
    const std::int32_t i =
        highlighted ? mDocument.GetHighlightedLoop() : included - (slot - kHighlightedTrace);
    if (i < 0 || i >= included)
        return false;
    COLORREF fading = 0;
    if (IsOnlineMode()) {
        if (i <= included - kOnlineLoops)
            return false;
        fading = Grey(0xFF - (i - (included - kOnlineLoops)) * kOnlineFadeStep);
    }
    const EventStats* stats = mVchan.GetStats();
    const std::int32_t row = stats->IncludedToRow(i);
    const std::int32_t closingIndex = std::min(row + 1, stats->total() - 1);
    TarvikEvent closing, loop;
    if (!mVchan.GetLoopByIndex(closingIndex, closing) || !mVchan.GetLoop(i, loop) ||
        loop.state == TarvikEvent::LastInBlock)
        return false;
    const TickPosition position = mVchan.GetLoopPosition(i);
    if (position.IsNone() || !BeforeTraceLimit(position, loop))
        return false;
    std::int32_t end = closing.tick;
    if (position.record == mTraceLimit.record)
        end = std::min(end, mTraceLimit.tick);
    const std::int32_t count = std::max(0, end - loop.loopStartTick);
    if (!ReadTraceSamples(position.record, loop.loopStartTick, count))
        return false;
    const bool marked = loop.state == TarvikEvent::Marked;
    if (highlighted)
        colour = marked ? kHighlightedMarkedColour : kHighlightedColour;
    else
        colour = marked ? kMarkedColour : fading;
    return true;
}

bool TarvikData::ReadTraceSamples(std::int32_t record, std::int32_t start, std::int32_t count) {
    mPressures.assign(static_cast<std::size_t>(count), 0.0f);
    mVolumes.assign(static_cast<std::size_t>(count), 0.0f);
    IDocumentData* data = mDocument.GetHostData();
    const auto blocks = QueryInterfacePtr<ISampleBlocks>(data, IID_ISampleBlocks);
    if (!blocks) {
        ClearPoints();
        return false;
    }
    LONG read = 0;
    const auto pressure = static_cast<LONG>(mDocument.GetPressureChannel());
    const auto volume = static_cast<LONG>(mDocument.GetVolumeChannel());
    const bool ok =
        SUCCEEDED(blocks->ReadSamples(pressure, record, start, count, mPressures.data(), &read)) &&
        SUCCEEDED(blocks->ReadSamples(volume, record, start, count, mVolumes.data(), &read));
    if (!ok)
        ClearPoints();
    return ok;
}

void TarvikData::GetRelationPlotPoints(std::int32_t plot, std::int32_t first, std::int32_t loopCount,
                                       std::int32_t& count, const float*& x, const float*& y,
                                       std::int32_t& flag, COLORREF& colour) {
    ClearPoints();
    flag = 0;
    colour = plot == kCuvettePlot ? kCuvetteColour : kRelationColour;
    if (plot == kCuvettePlot)
        CollectCuvettePoints();
    else
        CollectRelationPoints(plot, first, loopCount);
    PublishPoints(count, x, y);
}

void TarvikData::CollectRelationPoints(std::int32_t plot, std::int32_t first, std::int32_t loopCount) {
    if (plot != kPRSWPlot && plot != kDPdtMaxPlot && plot != kSalinePlot && plot != kPVAEDVPlot &&
        plot != kPVAESPPlot)
        return;
    const std::int32_t included = IncludedCount();
    const std::int32_t from = OnlineFirstLoop(first, included);
    const std::int32_t to =
        static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{first} + loopCount, included));
    TarvikEvent loop;
    PVAEvent pva;
    for (std::int32_t i = std::max(from, 0); i < to; ++i) {
        const bool read = plot == kSalinePlot ? mVchan.GetLoopWithoutVP(i, loop) : mVchan.GetLoop(i, loop);
        if (!read || loop.state != TarvikEvent::Valid)
            continue;
        double xv = loop.ved, yv = 0.0;
        if (plot == kPRSWPlot) {
            yv = loop.sw;
        } else if (plot == kDPdtMaxPlot) {
            yv = loop.dPdtMax;
        } else if (plot == kSalinePlot) {
            yv = loop.ves;
            mExtents.salineVes.Widen(loop.ves);
            mExtents.salineVed.Widen(loop.ved);
        } else {
            if (!mVchan.GetPVA(i, pva))
                continue;
            xv = plot == kPVAESPPlot ? loop.pes : loop.ved;
            yv = pva.pva;
        }
        mVolumes.push_back(static_cast<float>(xv));
        mPressures.push_back(static_cast<float>(yv));
    }
}

// Every measured conductance (x) at its known well volume (y).
void TarvikData::CollectCuvettePoints() {
    const CuvettePoints table = mDocument.GetCuvettePoints();
    for (std::size_t r = 0; r < table.volumes.size() && r < table.conductances.size(); ++r) {
        if (IsNaN(table.volumes[r]))
            continue;
        for (double cell : table.conductances[r]) {
            if (IsNaN(cell))
                continue;
            mVolumes.push_back(static_cast<float>(cell));
            mPressures.push_back(static_cast<float>(table.volumes[r]));
        }
    }
}

bool TarvikData::GetCuvetteAxisRange(double* minVolume, double* maxVolume, double* minConductance,
                                     double* maxConductance) {
    for (double* minimum : {minVolume, minConductance})
        if (minimum)
            *minimum = FLT_MAX;
    for (double* maximum : {maxVolume, maxConductance})
        if (maximum)
            *maximum = -FLT_MAX;
    const CuvettePoints table = mDocument.GetCuvettePoints();
    bool any = false;
    for (std::size_t r = 0; r < table.volumes.size() && r < table.conductances.size(); ++r) {
        const double volume = table.volumes[r];
        if (IsNaN(volume))
            continue;
        PlotExtent cells;
        for (double cell : table.conductances[r])
            if (!IsNaN(cell))
                cells.Widen(cell);
        if (ApproxEqual(cells.minimum, FLT_MAX))
            continue;
        any = true;
        if (minVolume)
            *minVolume = std::min(*minVolume, volume);
        if (maxVolume)
            *maxVolume = std::max(*maxVolume, volume);
        if (minConductance)
            *minConductance = std::min<double>(*minConductance, cells.minimum);
        if (maxConductance)
            *maxConductance = std::max<double>(*maxConductance, cells.maximum);
    }
    return any;
}

} // namespace Tarvik
