#include "tools/pvsim/SimParams.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace PvSim {

SimParams SimParams::steadyPreset() {
    return {};
}

SimParams SimParams::occlusionPreset() {
    SimParams params;
    params.duration = 8.0;
    params.occlusion = 1;
    return params;
}

namespace {

void require(bool ok, const char* name, const char* range) {
    if (!ok)
        throw std::invalid_argument(std::string(name) + " must be " + range);
}

bool positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

bool nonNegative(double value) {
    return std::isfinite(value) && value >= 0.0;
}

} // namespace

void SimParams::validate() const {
    require(positive(sampleRate), "sampleRate", "positive");
    require(substeps >= 1 && substeps <= 10000, "substeps", "in 1 .. 10000");
    require(nonNegative(duration) && duration * sampleRate < 2147483647.0, "duration",
            "non-negative and below 2^31 samples");
    require(warmupBeats >= 0 && warmupBeats <= 100000, "warmupBeats", "in 0 .. 100000");
    require(positive(heartRate) && 60.0 / heartRate * sampleRate >= 4.0, "heartRate",
            "positive and leave at least four samples a beat");
    require(nonNegative(leadIn) && leadIn < 60.0 / heartRate, "leadIn",
            "non-negative and shorter than a beat");
    for (const auto& [value, name] : {std::pair{ees, "ees"},
                                      {edpvrA, "edpvrA"},
                                      {edpvrK, "edpvrK"},
                                      {tau1, "tau1"},
                                      {tau2, "tau2"},
                                      {m1, "m1"},
                                      {m2, "m2"},
                                      {mitralResistance, "mitralResistance"},
                                      {aorticResistance, "aorticResistance"},
                                      {peripheralResistance, "peripheralResistance"},
                                      {arterialCompliance, "arterialCompliance"}})
        require(positive(value), name, "positive");
    for (const auto& [value, name] : {std::pair{venousPressure, "venousPressure"},
                                      {occludedVenousPressure, "occludedVenousPressure"},
                                      {occlusionStart, "occlusionStart"},
                                      {occlusionDuration, "occlusionDuration"},
                                      {pressureNoise, "pressureNoise"},
                                      {volumeNoise, "volumeNoise"},
                                      {ecgNoise, "ecgNoise"}})
        require(nonNegative(value), name, "non-negative");
    require(occlusion == 0 || occlusion == 1, "occlusion", "0 or 1");
    require(seed >= 0, "seed", "non-negative");
}

} // namespace PvSim
