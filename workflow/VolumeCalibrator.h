#pragma once
// The volume calibrator: the calibrations of the catheter's volume signal as
// one affine chain from the recorded value to volume, in this order, each stage
// at most once:
//  1. the two-point line of the conductance step (small mammals) or of the
//     volume step (large mammals), else the channel's own scaling;
//  2. the cuvette relation from conductance to volume (small mammals, or the
//     workflow off);
//  3. minus the parallel conductance of the saline step;
//  4. divided by alpha (only while the workflow is in use).
// It gives the host the line of that chain as the channel's conversion, and the
// analysis the calculation text of the volume channel.

#include <utility>

#include "workflow/CalibratorBase.h"
#include "workflow/Model.h"

namespace Tarvik {

class VolumeCalibrator : public CalibratorBase {
public:
    // Takes the document's conductance, volume, cuvette, saline and alpha models (made when missing).
    explicit VolumeCalibrator(ModelDocument& document);

    // Any of the conductance, volume, cuvette, saline and alpha calibrations applied, whatever the
    // workflow kind.
    bool IsApplied() override;
    // Microlitres when the cuvette stage runs, else the conductance or volume step's unit when its
    // stage runs, else the unit the channel's conversion shows.
    Ovo::Unit GetUnit(std::int32_t channel) override;
    // As the pressure calibrator's, with the line through (1, y1) and (10, y2) in raw base units,
    // y the chain's values in the target unit; false when the chain gives NaN.
    bool GetCalibratedConversion(std::int32_t channel, IUnknown** conversion) override;

    // The chain for the sample value x; factor is the power of ten of the calibrated unit's prefix
    // (the saline stage's Vp is in unprefixed units). Empty values flow through as NaN.
    double ComputeVolume(std::int32_t channel, double x, double factor);
    // (slope, offset) of the two-point lines: slope = (k1 - k2) / (b1 - b2), offset = k1 - slope b1.
    std::pair<double, double> GetConductanceTwoPoint() const;
    std::pair<double, double> GetVolumeTwoPoint() const;
    // The volume channel's calculation text for the analysis formulas (0-based channel): "chN", or
    // ch(N, "base") wrapped in each applied line (conductance, volume or the channel's own scaling,
    // then cuvette) as "(slope * T + offset)"; numbers in the classic locale, six significant
    // digits. No unit factors, saline or alpha.
    Ovo::String BuildVolumeCalcText(std::int32_t channel);

private:
    // The workflow kind while it is in use (1 small, 2 large), else 0.
    std::int32_t Kind();
    bool InUse();
    // The cached conversion's scaling when it has one of its own.
    bool CachedScaling(std::int32_t channel, UnitScalingInfo& scaling);

    ModelPtr mConductance;
    ModelPtr mVolume;
    ModelPtr mCuvette;
    ModelPtr mSaline;
    ModelPtr mAlpha;
};

} // namespace Tarvik
