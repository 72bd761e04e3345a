#pragma once
// The pressure calibrator: the pressure calibration step's two points (raw
// value, known pressure in mmHg) as the conversion of the pressure channel.

#include "workflow/CalibratorBase.h"
#include "workflow/Model.h"

namespace Tarvik {

class PressureCalibrator : public CalibratorBase {
public:
    // Takes the document's pressure calibration model (made when missing).
    explicit PressureCalibrator(ModelDocument& document);

    // Not applied: the cached conversion (false without one). Applied: the line through the two
    // points from the channel's conversion (fetched from the host when not cached); false when a
    // point is missing or the host makes no conversion.
    bool GetCalibratedConversion(std::int32_t channel, IUnknown** conversion) override;
    // Parameter 7.
    bool IsApplied() override;
    // "mmHg" for any channel.
    Ovo::Unit GetUnit(std::int32_t channel) override;

private:
    ModelPtr mPressure;
};

} // namespace Tarvik
