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
    pressures_.clear();
    volumes_.clear();
}

// Volumes (x) and pressures (y) of the plot just built.
void TarvikData::PublishPoints(std::int32_t& count, const float*& x, const float*& y) const {
    count = static_cast<std::int32_t>(volumes_.size());
    x = count > 0 ? volumes_.data() : nullptr;
    y = count > 0 ? pressures_.data() : nullptr;
}

std::int32_t TarvikData::OnlineFirstLoop(std::int32_t first, std::int32_t included) {
    return IsOnlineMode() ? std::max(first, included - kOnlineLoops) : first;
}

// Whether the loop starts before the trace limit (positions compare record first, then tick).
bool TarvikData::BeforeTraceLimit(const TickPosition& position, const TarvikEvent& loop) const {
    if (position.record != traceLimit_.record)
        return position.record < traceLimit_.record;
    return loop.loopStartTick < traceLimit_.tick;
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
        if (!vchan_.GetLoop(i, loop))
            continue;
        const TickPosition position = vchan_.GetLoopPosition(i);
        if (loop.state != TarvikEvent::Valid)
            continue;
        if (!BeforeTraceLimit(position, loop))
            break;
        pressures_.push_back(static_cast<float>(endSystolic ? loop.pes : loop.ped));
        volumes_.push_back(static_cast<float>(endSystolic ? loop.ves : loop.ved));
    }
}

bool TarvikData::GetLoopTrace(std::int32_t slot, COLORREF& colour) {
    ClearPoints();
    const std::int32_t included = IncludedCount();
    const bool highlighted = slot == kHighlightedTrace;
    const std::int32_t i =
        highlighted ? document_.GetHighlightedLoop() : included - (slot - kHighlightedTrace);
    if (i < 0 || i >= included)
        return false;
    COLORREF fading = 0;
    if (IsOnlineMode()) {
        if (i <= included - kOnlineLoops)
            return false;
        fading = Grey(0xFF - (i - (included - kOnlineLoops)) * kOnlineFadeStep);
    }
    const EventStats* stats = vchan_.GetStats();
    const std::int32_t row = stats->IncludedToRow(i);
    const std::int32_t closingIndex = std::min(row + 1, stats->total() - 1);
    TarvikEvent closing, loop;
    if (!vchan_.GetLoopByIndex(closingIndex, closing) || !vchan_.GetLoop(i, loop) ||
        loop.state == TarvikEvent::LastInBlock)
        return false;
    const TickPosition position = vchan_.GetLoopPosition(i);
    if (position.IsNone() || !BeforeTraceLimit(position, loop))
        return false;
    std::int32_t end = closing.tick;
    if (position.record == traceLimit_.record)
        end = std::min(end, traceLimit_.tick);
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
    pressures_.assign(static_cast<std::size_t>(count), 0.0f);
    volumes_.assign(static_cast<std::size_t>(count), 0.0f);
    IDocumentData* data = document_.GetHostData();
    ISampleBlocks* blocks = nullptr;
    if (!data || FAILED(data->QueryInterface(IID_ISampleBlocks, reinterpret_cast<void**>(&blocks))) ||
        !blocks) {
        ClearPoints();
        return false;
    }
    LONG read = 0;
    const auto pressure = static_cast<LONG>(document_.GetPressureChannel());
    const auto volume = static_cast<LONG>(document_.GetVolumeChannel());
    const bool ok =
        SUCCEEDED(blocks->ReadSamples(pressure, record, start, count, pressures_.data(), &read)) &&
        SUCCEEDED(blocks->ReadSamples(volume, record, start, count, volumes_.data(), &read));
    blocks->Release();
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
        const bool read = plot == kSalinePlot ? vchan_.GetLoopWithoutVP(i, loop) : vchan_.GetLoop(i, loop);
        if (!read || loop.state != TarvikEvent::Valid)
            continue;
        double xv = loop.ved, yv = 0.0;
        if (plot == kPRSWPlot) {
            yv = loop.sw;
        } else if (plot == kDPdtMaxPlot) {
            yv = loop.dPdtMax;
        } else if (plot == kSalinePlot) {
            yv = loop.ves;
            extents_.salineVes.Widen(loop.ves);
            extents_.salineVed.Widen(loop.ved);
        } else {
            if (!vchan_.GetPVA(i, pva))
                continue;
            xv = plot == kPVAESPPlot ? loop.pes : loop.ved;
            yv = pva.pva;
        }
        volumes_.push_back(static_cast<float>(xv));
        pressures_.push_back(static_cast<float>(yv));
    }
}

// Every measured conductance (x) at its known well volume (y).
void TarvikData::CollectCuvettePoints() {
    const CuvetteTable table = document_.GetCuvetteTable();
    for (std::size_t r = 0; r < table.volumes.size() && r < table.conductances.size(); ++r) {
        if (IsNaN(table.volumes[r]))
            continue;
        for (double cell : table.conductances[r]) {
            if (IsNaN(cell))
                continue;
            volumes_.push_back(static_cast<float>(cell));
            pressures_.push_back(static_cast<float>(table.volumes[r]));
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
    const CuvetteTable table = document_.GetCuvetteTable();
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
