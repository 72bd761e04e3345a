#include "tools/pvsim/SimParams.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace PvSim {

namespace {

// The double-Hill time constants scale with the beat: tau1 = 0.215 T, tau2 = 0.362 T for a beat of
// T seconds (Stergiopulos, Meister & Westerhof 1996).
void scaleElastanceToBeat(SimParams& params) {
    const double beat = 60.0 / params.heartRate;
    params.tau1 = 0.215 * beat;
    params.tau2 = 0.362 * beat;
}

// A rat: LV volumes of about 250 uL at end-diastole and 100 uL at end-systole.
SimParams rat() {
    SimParams p;
    p.heartRate = 350.0;
    scaleElastanceToBeat(p);
    p.ees = 1.0;
    p.edpvrA = 0.4;
    p.edpvrK = 0.012;
    p.mitralResistance = 0.0012;
    p.aorticResistance = 0.0008;
    p.peripheralResistance = 0.1;
    p.arterialCompliance = 1.5;
    p.atrialKickDuration = 0.036;
    p.atrialKickLead = 0.027;
    p.ecgStretch = 1.5;
    return p;
}

// A large animal (a pig): LV volumes of about 110 mL at end-diastole, 50 mL at end-systole, in uL.
SimParams largeAnimal() {
    SimParams p;
    p.sampleRate = 250.0;
    p.duration = 30.0;
    p.leadIn = 0.2;
    p.heartRate = 90.0;
    scaleElastanceToBeat(p);
    p.m2 = 27.4;
    p.ees = 0.002;
    p.edpvrA = 0.3;
    p.edpvrK = 3e-5;
    p.mitralResistance = 1.2e-5;
    p.aorticResistance = 8e-6;
    p.peripheralResistance = 0.001;
    p.arterialCompliance = 1200.0;
    p.atrialKickDuration = 0.1;
    p.atrialKickLead = 0.075;
    p.ecgStretch = 5.0;
    return p;
}

} // namespace

SimParams SimParams::steadyPreset(Animal animal) {
    switch (animal) {
    case Animal::Rat:
        return rat();
    case Animal::LargeAnimal:
        return largeAnimal();
    case Animal::Mouse:
        break;
    }
    return {};
}

SimParams SimParams::occlusionPreset(Animal animal) {
    SimParams params = steadyPreset(animal);
    params.occlusion = 1;
    params.duration = 8.0;
    if (animal == Animal::LargeAnimal) {
        params.duration = 20.0;
        params.occlusionStart = 4.0;
        params.occlusionDuration = 12.0;
    }
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
    const double beat = 60.0 / heartRate;
    require(nonNegative(atrialKick), "atrialKick", "non-negative");
    require(positive(atrialKickDuration) && atrialKickDuration <= beat, "atrialKickDuration",
            "positive and at most a beat");
    require(nonNegative(atrialKickLead) && atrialKickLead < beat, "atrialKickLead",
            "non-negative and shorter than a beat");
    require(positive(ecgStretch), "ecgStretch", "positive");
    require(seed >= 0, "seed", "non-negative");
}

} // namespace PvSim
