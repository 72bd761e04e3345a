#pragma once

#include "tools/pvsim/BeatTruth.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace PvSim {

/// The beats as tab-separated text: a header row naming the columns with their units
/// (beat, ed_tick, ed_pressure_mmHg, ed_volume_uL, es_tick, es_pressure_mmHg, es_volume_uL,
/// stroke_volume_uL, heart_rate_bpm), then one row per beat; pressures and volumes with 4
/// decimals, the heart rate with 3.
std::string formatTruth(std::span<const BeatTruth> beats);

/// Reads formatTruth's text. Throws std::invalid_argument naming the line of a malformed row.
std::vector<BeatTruth> parseTruth(std::string_view text);

} // namespace PvSim
