#include "host/frontend/RelationFits.h"

#include "analysis/ILoopDataDocument.h"
#include "analysis/TarvikData.h"
#include "host/engine/CalcObject.h"
#include "host/engine/DocumentData.h"
#include "host/engine/VirtualChannelDocument.h"
#include "host/frontend/UnitText.h"
#include "platform/vantrel/IDocumentEvents.h"

#include <climits>
#include <cmath>
#include <limits>

namespace Vantrel {

namespace {

constexpr std::int32_t kLinearEspvr = 0;
constexpr std::int32_t kExponentialEdpvr = 1;

// The module document's side of the loop data, as far as fitting over one analysis needs it: the
// analysed channels, the loop view's default regression types, no scaling and no user settings.
class FitDocument final : public Tarvik::ILoopDataDocument {
public:
    FitDocument(IDocumentData* data, const AnalysisChannels& channels) : mData(data), mChannels(channels) {}

    IDocumentData* GetHostData() override { return mData; }
    DWORD GetChildDataTypeId() override { return 0; }
    bool IsSampling() override { return false; }
    std::uint32_t GetPressureChannel() override { return static_cast<std::uint32_t>(mChannels.pressure); }
    std::uint32_t GetVolumeChannel() override { return static_cast<std::uint32_t>(mChannels.volume); }
    bool IsAnalysingWhileSampling() override { return false; }
    std::int32_t GetHighlightedLoop() override { return -1; }
    std::int32_t GetEspvrType() override { return kLinearEspvr; }
    std::int32_t GetEdpvrType() override { return kExponentialEdpvr; }
    Tarvik::CuvettePoints GetCuvettePoints() override { return {}; }
    bool ShowsTableParameter(std::int32_t) override { return false; }
    std::vector<std::int32_t> GetExcludedParameterIds() override { return {}; }
    HMODULE GetResourceModule() override { return nullptr; }
    Ovo::Unit GetPressureUnit() override { return Ovo::Unit(); }
    Ovo::Unit GetVolumeUnit() override { return Ovo::Unit(); }
    void ApplyChannelScaling(std::uint32_t, double&) override {}
    void EnsureSettingsLoaded() override {}
    Ovo::String BuildPvaCalcFormula() override { return Ovo::String(); }
    IUnknown* CreateCalculationObject() override { return static_cast<ICalcObject*>(new CalcObject); }

private:
    IDocumentData* mData;
    AnalysisChannels mChannels;
};

struct ReleaseLoopData {
    void operator()(Tarvik::TarvikData* data) const { data->Release(); }
};

// Reads every record's loop events from the "tarvik" channel into the loop data.
void readLoops(Tarvik::TarvikData& data, std::int32_t records) {
    const DWORD loops = data.GetVChanData().GetChannelRef(Tarvik::VChanData::Loops).channel;
    data.ResetRanges();
    for (std::int32_t r = 0; r < records; ++r)
        if (data.OpenEventSource(r, 0, loops, kEventSourceVirtual))
            data.ReadRecordEvents(INT_MAX);
}

std::vector<RelationValue> fitsOf(Tarvik::TarvikData& data, const std::string& p, const std::string& v) {
    std::vector<RelationValue> fits;
    double intercept = 0.0, slope = 0.0, rSquared = 0.0;
    if (data.FitLinearESPVR(intercept, slope, rSquared)) {
        fits.push_back({"ESPVR", {"Ees", composedUnit("P/V", p, v)}, slope});
        fits.push_back({"ESPVR", {"V0", v}, -intercept / slope});
        fits.push_back({"ESPVR", {"r²", ""}, rSquared});
    }
    double amplitude = 0.0, rate = 0.0;
    rSquared = std::numeric_limits<double>::quiet_NaN(); // stays so when the statistics cannot be formed
    if (data.FitExponentialRelation(&amplitude, &rate, &rSquared, true)) {
        fits.push_back({"EDPVR", {"A", p}, amplitude});
        fits.push_back({"EDPVR", {"k", composedUnit("1/V", p, v)}, rate});
        fits.push_back({"EDPVR", {"r²", ""}, rSquared});
    }
    double pressure = 0.0, volume = 0.0;
    if (data.FitPressureVolumeRelations(pressure, volume)) {
        fits.push_back({"intersect", {"Pressure at intersect", p}, pressure});
        fits.push_back({"intersect", {"Volume at intersect", v}, volume});
    }
    return fits;
}

} // namespace

std::vector<RelationValue> fitRelations(Recording& recording, const AnalysisChannels& channels,
                                        const LoopChannelFormulas& formulas, ComPtr<ICalcService> classes) {
    auto document = ComPtr<VirtualChannelDocument>::Adopt(new VirtualChannelDocument(
        ComPtr<DocumentData>::Adopt(new DocumentData(recording)), std::move(classes)));
    FitDocument owner(document.Get(), channels);
    const std::unique_ptr<Tarvik::TarvikData, ReleaseLoopData> data(new Tarvik::TarvikData(owner));
    data->GetVChanData().DefineChannels();
    if (!data->GetVChanData().SetLoopCalculation(Ovo::String(formulas.loops.c_str()),
                                                 Ovo::String(formulas.volume.c_str()),
                                                 Ovo::String(formulas.loopsWithoutVP.c_str())))
        return {};
    readLoops(*data, recording.recordCount());
    if (!data->HasEnoughLoops())
        return {};
    return fitsOf(*data, recording.channels()[channels.pressure].unit,
                  recording.channels()[channels.volume].unit);
}

} // namespace Vantrel
