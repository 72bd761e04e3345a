#include "workflow/PressureCalibrator.h"

#include "workflow/ModelDocument.h"
#include "workflow/ModelParamAccess.h"

namespace Tarvik {

PressureCalibrator::PressureCalibrator(ModelDocument& document)
    : CalibratorBase(document), mPressure(document.GetModel(kPressureModel)) {}

bool PressureCalibrator::IsApplied() {
    return GetModelParam<7>(mPressure);
}

Ovo::Unit PressureCalibrator::GetUnit(std::int32_t) {
    return Ovo::Unit(L"mmHg");
}

bool PressureCalibrator::GetCalibratedConversion(std::int32_t channel, IUnknown** conversion) {
    const Start start = BeginCalibratedConversion(channel, conversion);
    if (start.done)
        return start.result;
    const double raw1 = GetModelParam<3>(mPressure), known1 = GetModelParam<4>(mPressure);
    const double raw2 = GetModelParam<5>(mPressure), known2 = GetModelParam<6>(mPressure);
    if (IsNaN(raw1) || IsNaN(known1) || IsNaN(raw2) || IsNaN(known2))
        return false;
    return MakeTwoPointConversion(start.info, raw1, raw2, known1, known2, GetUnit(channel), conversion);
}

} // namespace Tarvik
