#pragma once

#include <cstdint>

namespace PvSim {

/// Everything the pressure-volume loop generator needs. Units: pressure mmHg, volume µL, time s.
///
/// The left ventricle is a time-varying elastance (Suga, Sagawa & Shoukas 1973) with V0 = 0:
///   P = e(t)·Ees·V + (1 − e(t))·A·exp(k·V),
/// e(t) the normalised double-Hill curve of Elastance. At the peak of e (end-systole) the point lies
/// on the linear ESPVR P = Ees·V through the origin, and no other point of a beat has a larger P/V as
/// long as A·exp(k·V)/V < Ees; at e = 0 (the R wave, end-diastole) it lies on the exponential EDPVR
/// P = A·exp(k·V). A mitral and an aortic valve (ideal diodes with resistances) couple the ventricle
/// to a venous filling pressure and to a two-element Windkessel that drains to 0 mmHg. A larger
/// mitral resistance fills the ventricle more slowly, so that its pressure still rises along the
/// EDPVR when the next beat starts (a filling ramp).
///
/// The defaults are a mouse; the presets give a rat and a large animal (a pig's heart) as well.
struct SimParams {
    enum class Animal { Mouse, Rat, LargeAnimal };

    // Sampling and length
    double sampleRate = 1000.0;    // samples per second
    std::int64_t substeps = 20;    // fixed fourth-order Runge-Kutta steps per sample
    double duration = 10.0;        // recorded seconds
    double leadIn = 0.05;          // seconds from the record start to the first R wave, less than a beat
    std::int64_t warmupBeats = 40; // beats run before the record starts, to settle into a steady state

    // Ventricle
    double heartRate = 500.0; // beats per minute; the beat is rounded to whole samples
    double ees = 5.5;         // end-systolic elastance, mmHg/µL
    double edpvrA = 1.2;      // EDPVR amplitude A, mmHg
    double edpvrK = 0.045;    // EDPVR stiffness k, 1/µL
    double tau1 = 0.026;      // double-Hill contraction time constant, s
    double tau2 = 0.043;      // double-Hill relaxation time constant, s
    double m1 = 1.32;         // double-Hill contraction steepness
    double m2 = 21.9;         // double-Hill relaxation steepness

    // Circulation
    double mitralResistance = 0.006;    // mmHg·s/µL
    double aorticResistance = 0.004;    // mmHg·s/µL
    double peripheralResistance = 0.45; // mmHg·s/µL
    double arterialCompliance = 0.25;   // µL/mmHg
    double venousPressure = 8.0;        // filling pressure, mmHg

    // Caval occlusion: the filling pressure falls linearly from venousPressure to
    // occludedVenousPressure, starting occlusionStart seconds into the record.
    std::int64_t occlusion = 0; // 1 to occlude
    double occlusionStart = 1.0;
    double occlusionDuration = 4.0;
    double occludedVenousPressure = 4.0;

    // Atrial contraction, off while atrialKick is 0: from atrialKickLead seconds before each R wave
    // the atrium adds a pulse of atrialKickDuration seconds (a sine squared peaking at atrialKick)
    // to the filling pressure; the ventricle takes in a last volume and its pressure rises by a few
    // mmHg (the a-wave) before it contracts.
    double atrialKick = 0.0;           // mmHg
    double atrialKickDuration = 0.024; // s, at most a beat
    double atrialKickLead = 0.018;     // s before the R wave, less than a beat

    // The synthetic ECG is a mouse's P-QRS-T complex stretched in time by this factor.
    double ecgStretch = 1.0;

    // Gaussian noise added to the written samples (standard deviations); the truth stays noise-free.
    double pressureNoise = 0.0; // mmHg
    double volumeNoise = 0.0;   // µL
    double ecgNoise = 0.0;      // mV
    std::int64_t seed = 1;

    /// An animal at rest, steady: a mouse (the defaults, 10 s at 1 kHz), a rat (350 beats/min,
    /// 10 s at 1 kHz) or a large animal (90 beats/min, 30 s at 250 Hz).
    static SimParams steadyPreset(Animal animal = Animal::Mouse);
    /// A caval occlusion: a while steady, then the filling pressure falls to half and is held.
    /// Mouse and rat: 1 s steady, 4 s of fall, held 3 s; a large animal: 4 s, 12 s, 4 s.
    static SimParams occlusionPreset(Animal animal = Animal::Mouse);

    /// Throws std::invalid_argument naming the first parameter out of its range.
    void validate() const;

    bool operator==(const SimParams&) const = default;
};

} // namespace PvSim
