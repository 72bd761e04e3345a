#include "workflow/VolumeCalibrator.h"

#include <locale>
#include <sstream>

#include "workflow/ModelDocument.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/WorkflowSteps.h"

namespace Tarvik {

namespace {

std::pair<double, double> TwoPointLine(double b1, double k1, double b2, double k2) {
    const double slope = (k1 - k2) / (b1 - b2);
    return {slope, k1 - slope * b1};
}

// 10 to the power of the unit's prefix; 1 without one.
double Factor(const Ovo::Unit& unit) {
    return Ovo::SiPrefixScale(unit.prefix);
}

} // namespace

VolumeCalibrator::VolumeCalibrator(ModelDocument& document)
    : CalibratorBase(document), mConductance(document.GetModel(kConductanceModel)),
      mVolume(document.GetModel(kVolumeModel)), mCuvette(document.GetModel(kCuvetteModel)),
      mSaline(document.GetModel(kSalineModel)), mAlpha(document.GetModel(kAlphaModel)) {}

bool VolumeCalibrator::IsApplied() {
    return GetModelParam<12>(mConductance) || GetModelParam<54>(mVolume) || GetModelParam<17>(mCuvette) ||
           GetModelParam<19>(mSaline) || GetModelParam<43>(mAlpha);
}

std::int32_t VolumeCalibrator::Kind() {
    return GetWorkflowKind(mDocument);
}

bool VolumeCalibrator::InUse() {
    return GetModelParam<34>(mDocument.FindModel());
}

std::pair<double, double> VolumeCalibrator::GetConductanceTwoPoint() const {
    return TwoPointLine(GetModelParam<8>(mConductance), GetModelParam<9>(mConductance),
                        GetModelParam<10>(mConductance), GetModelParam<11>(mConductance));
}

std::pair<double, double> VolumeCalibrator::GetVolumeTwoPoint() const {
    return TwoPointLine(GetModelParam<50>(mVolume), GetModelParam<52>(mVolume), GetModelParam<51>(mVolume),
                        GetModelParam<53>(mVolume));
}

bool VolumeCalibrator::CachedScaling(std::int32_t channel, UnitScalingInfo& scaling) {
    const ComPtr<IUnknown> cached = ComPtr<IUnknown>::Adopt(mCache.Find(channel));
    ConversionInfo info;
    if (!cached || !GetConversionInfo(cached.Get(), info) || info.scaling.hasScaling == 0)
        return false;
    scaling = info.scaling;
    return true;
}

double VolumeCalibrator::ComputeVolume(std::int32_t channel, double x, double factor) {
    const bool inUse = InUse();
    const std::int32_t kind = Kind();
    double u = 1.0;
    UnitScalingInfo scaling;
    if (kind == 1 && GetModelParam<12>(mConductance)) {
        const auto [slope, offset] = GetConductanceTwoPoint();
        u = Factor(GetModelParam<13>(mConductance));
        x = (slope * x + offset) / u;
    } else if (kind == 2 && GetModelParam<54>(mVolume)) {
        const auto [slope, offset] = GetVolumeTwoPoint();
        u = Factor(GetModelParam<49>(mVolume));
        x = (slope * x + offset) / u;
    } else if (CachedScaling(channel, scaling)) {
        u = Ovo::PrefixCodeScale(scaling.prefixCode);
        x = (scaling.scale * x + scaling.offset) / u;
    }
    if (GetModelParam<17>(mCuvette) && (kind == 1 || !inUse)) {
        const double uc = Factor(GetModelParam<33>(mCuvette));
        x = GetModelParam<16>(mCuvette) / uc + (GetModelParam<15>(mCuvette) / uc) * u * x;
    }
    if (GetModelParam<19>(mSaline))
        x -= GetModelParam<18>(mSaline) / factor;
    if (inUse && GetModelParam<43>(mAlpha))
        x /= GetModelParam<42>(mAlpha);
    return x;
}

Ovo::Unit VolumeCalibrator::GetUnit(std::int32_t channel) {
    const std::int32_t kind = Kind();
    if (GetModelParam<17>(mCuvette) && (kind == 1 || !InUse()))
        return Ovo::Unit(L"L", Ovo::Unit::kMicro);
    if (kind == 1 && GetModelParam<12>(mConductance))
        return GetModelParam<13>(mConductance);
    if (kind == 2 && GetModelParam<54>(mVolume))
        return GetModelParam<49>(mVolume);
    ComPtr<IUnknown> conversion = ComPtr<IUnknown>::Adopt(mCache.Find(channel));
    if (IDocumentData* data = mDocument.DocumentData(); !conversion && data != nullptr)
        data->GetChannelUnit(channel, kDataAnyRecord, kDataUnitFlags, conversion.Put());
    if (IUnitService* service = mDocument.UnitService(); !conversion && service != nullptr)
        service->GetDefaultConversion(conversion.Put());
    ConversionInfo info;
    if (!conversion || !GetConversionInfo(conversion.Get(), info))
        return Ovo::Unit();
    Ovo::Unit unit((info.scaling.hasScaling != 0 ? info.scaledUnitName : info.rawUnitName).ToWString());
    unit.SetPrefixCode(info.scaling.hasScaling != 0 ? info.scaling.prefixCode : info.raw.prefixCode);
    return unit;
}

bool VolumeCalibrator::GetCalibratedConversion(std::int32_t channel, IUnknown** conversion) {
    const Start start = BeginCalibratedConversion(channel, conversion);
    if (start.done)
        return start.result;
    const Ovo::Unit target = GetUnit(channel);
    const double factor = Factor(target);
    const double y1 = ComputeVolume(channel, 1.0, factor), y2 = ComputeVolume(channel, 10.0, factor);
    if (IsNaN(y1) || IsNaN(y2))
        return false;
    return MakeTwoPointConversion(start.info, 1.0, 10.0, y1, y2, target, conversion);
}

Ovo::String VolumeCalibrator::BuildVolumeCalcText(std::int32_t channel) {
    const bool conductance = GetModelParam<12>(mConductance), volume = GetModelParam<54>(mVolume);
    const bool cuvette = GetModelParam<17>(mCuvette);
    const ComPtr<IUnknown> cached = ComPtr<IUnknown>::Adopt(mCache.Find(channel));
    std::wostringstream text;
    text.imbue(std::locale::classic());
    if (!cached && !cuvette && !conductance && !volume) {
        text << L"ch" << channel + 1;
        return Ovo::String(text.str());
    }
    text << L"ch(" << channel + 1 << L", \"base\")";
    const auto wrap = [&text](double slope, double offset) {
        const std::wstring inner = text.str();
        text.str(std::wstring());
        text << L"(" << slope << L" * " << inner << L" + " << offset << L")";
    };
    UnitScalingInfo scaling;
    if (conductance) {
        const auto [slope, offset] = GetConductanceTwoPoint();
        wrap(slope, offset);
    } else if (volume) {
        const auto [slope, offset] = GetVolumeTwoPoint();
        wrap(slope, offset);
    } else if (CachedScaling(channel, scaling)) {
        wrap(scaling.scale, scaling.offset);
    }
    if (cuvette)
        wrap(GetModelParam<15>(mCuvette), GetModelParam<16>(mCuvette));
    return Ovo::String(text.str());
}

} // namespace Tarvik
