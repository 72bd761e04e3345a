#pragma once

#include "host/recording/Tick.h"

#include <cstdint>

namespace PvSim {

/// What the generator knows of one beat, from its noise-free model values. Ticks are record ticks.
struct BeatTruth {
    std::int32_t beat = 0;     // from 0: the first beat whose R wave lies in the record
    Vantrel::Tick edTick = 0;  // end-diastole: the R wave, where the elastance starts from 0
    double edPressure = 0.0;   // mmHg, on the EDPVR
    double edVolume = 0.0;     // µL
    Vantrel::Tick esTick = 0;  // end-systole: the peak of the elastance, the largest P/V of the beat
    double esPressure = 0.0;   // mmHg, on the ESPVR
    double esVolume = 0.0;     // µL
    double strokeVolume = 0.0; // largest minus smallest volume of the beat's samples, µL
    double heartRate = 0.0;    // beats per minute

    bool operator==(const BeatTruth&) const = default;
};

} // namespace PvSim
