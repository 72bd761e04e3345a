// Loop parameters of single loops and their statistics over the loops, in display units.
#include "analysis/TarvikData.h"

#include "analysis/LoopParamNames.h"
#include "analysis/LoopParameters.h"

#include <algorithm>
#include <limits>

namespace Tarvik {

namespace {

constexpr std::int32_t kFirstTableId = 0;
constexpr std::int32_t kLastTableId = 29;

bool IsPVAParam(std::int32_t id) {
    return id >= LP_PVA && id <= LP_CE;
}

// Parameters that are a pressure or a volume themselves, not a difference, product or rate of them.
bool IsLevel(std::int32_t id) {
    switch (id) {
    case LP_Vmax:
    case LP_Vmin:
    case LP_Ves:
    case LP_Ved:
    case LP_Pmax:
    case LP_Pmin:
    case LP_Pmean:
    case LP_Pes:
    case LP_Ped:
    case LP_PAtdVdtMax:
    case LP_PAtdPdtMax:
    case LP_VAtdPdtMax:
    case LP_VAtdPdtMin:
        return true;
    default:
        return false;
    }
}

void WriteStats(const ParamStats& stats, double& minimum, double& maximum, double& mean,
                std::int32_t& count) {
    minimum = stats.minimum;
    maximum = stats.maximum;
    mean = stats.mean;
    count = stats.count;
}

} // namespace

// The factor of a channel's display units. A unit conversion value' = scale value + offset maps a
// pressure or volume level with its offset, but differences, products and rates by the scale alone.
double TarvikData::ChannelFactor(std::uint32_t channel) {
    double one = 1.0, zero = 0.0;
    mDocument.ApplyChannelScaling(channel, one);
    mDocument.ApplyChannelScaling(channel, zero);
    return one - zero;
}

double TarvikData::DisplayValue(std::int32_t id, const TarvikEvent& loop) {
    const std::uint32_t pressure = mDocument.GetPressureChannel(), volume = mDocument.GetVolumeChannel();
    if (!IsLevel(id))
        return ScaledLoopParamValue(id, loop, ChannelFactor(pressure), ChannelFactor(volume));
    ParamScaling scaling;
    double value = LoopParamValue(loop, id, scaling);
    mDocument.ApplyChannelScaling(scaling.pressure ? pressure : volume, value);
    return value;
}

double TarvikData::DisplayValue(std::int32_t id, const PVAEvent& pva) {
    return ScaledPVAParamValue(id, pva, ChannelFactor(mDocument.GetPressureChannel()),
                               ChannelFactor(mDocument.GetVolumeChannel()));
}

double TarvikData::GetLoopParamValue(std::int32_t id, std::int32_t i) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    TarvikEvent loop;
    if (!mVchan.GetLoop(i, loop))
        return kNaN;
    if (loop.state == TarvikEvent::LastInBlock)
        return NoValue();
    if (!IsPVAParam(id))
        return DisplayValue(id, loop);
    PVAEvent pva;
    return mVchan.GetPVA(i, pva) ? DisplayValue(id, pva) : kNaN;
}

// The statistics of id over the included loops the user did not mark, built on first request.
const ParamStats& TarvikData::ParamStatsFor(std::int32_t id, bool pva) {
    auto& cache = pva ? mPvaParamStats : mLoopParamStats;
    const auto found = cache.find(id);
    if (found != cache.end())
        return found->second;
    ParamStats& stats = cache[id];
    const std::int32_t included = IncludedCount();
    TarvikEvent loop;
    PVAEvent event;
    for (std::int32_t i = 0; i < included; ++i) {
        if (!mVchan.GetLoop(i, loop) || loop.state == TarvikEvent::Marked)
            continue;
        if (!pva)
            stats.Add(DisplayValue(id, loop));
        else if (mVchan.GetPVA(i, event))
            stats.Add(DisplayValue(id, event));
    }
    return stats;
}

bool TarvikData::GetParamStats(std::int32_t id, double& minimum, double& maximum, double& mean,
                               std::int32_t& count) {
    WriteStats(ParamStatsFor(id, false), minimum, maximum, mean, count);
    return true;
}

bool TarvikData::GetPVAParamStats(std::int32_t id, double& minimum, double& maximum, double& mean,
                                  std::int32_t& count) {
    WriteStats(ParamStatsFor(id, true), minimum, maximum, mean, count);
    return true;
}

bool TarvikData::GetParamSummary(std::int32_t id, double& minimum, double& maximum, double& mean,
                                 std::int32_t& count) {
    if (!IsPVAParam(id))
        return GetParamStats(id, minimum, maximum, mean, count);
    if (IsOnlineMode()) {
        minimum = maximum = mean = std::numeric_limits<double>::quiet_NaN();
        count = 0;
        return false;
    }
    return GetPVAParamStats(id, minimum, maximum, mean, count);
}

Ovo::String TarvikData::GetParamColumnTitle(std::int32_t id) {
    std::wstring title = GetLoopParamName(mDocument.GetResourceModule(), id, false).ToWString();
    const std::wstring unit =
        GetLoopParamUnitText(id, mDocument.GetPressureUnit(), mDocument.GetVolumeUnit()).Text();
    if (!unit.empty())
        title += L" (" + unit + L")";
    return Ovo::String(title);
}

std::int32_t TarvikData::PrepareTableRows() {
    mVisibleParamIds.clear();
    const std::vector<std::int32_t> excluded = mDocument.GetExcludedParameterIds();
    for (std::int32_t id = kFirstTableId; id <= kLastTableId; ++id)
        if (std::find(excluded.begin(), excluded.end(), id) == excluded.end() &&
            mDocument.ShowsTableParameter(id))
            mVisibleParamIds.push_back(id);
    return static_cast<std::int32_t>(mVisibleParamIds.size());
}

} // namespace Tarvik
