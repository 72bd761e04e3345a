#pragma once

// The calculation formula texts an analysis hands the engine, written as the module's document
// writes them: channels as "ch" + 1-based number, numbers in the classic locale with at most 6
// significant digits, arguments separated by ", ".

#include "host/frontend/ChannelChoice.h"
#include "host/recording/Recording.h"

#include <string>
#include <string_view>

namespace Vantrel {

/// Height (mmHg) by which the pressure upstroke must rise to open a cycle; also the host peak
/// detector's hysteresis on the pressure channel.
inline constexpr double kEdpPeakHeight = 20.0;

/// The R-wave height for an ECG channel: half of its range over the whole recording, so that only
/// the tallest wave of each beat is a peak. 0 for a channel without finite samples.
double rWaveHeight(const Recording& recording, std::size_t channel);

/// The end-diastolic point detector over the whole recording: "PVEdpDet(" on the pressure channel
/// and its peaks, or "PVEcgEdpDet(" on the ECG channel's R waves (peaks at least rWave high).
std::string edpDetectorFormula(const AnalysisChannels& channels, double rWave);

/// The loop analyser over the whole recording: "TarvikAnalyzer(" pressure, volume, the detector.
std::string analyzerFormula(const AnalysisChannels& channels, double rWave);

/// The same analyser on the module's virtual channel of the uncorrected volume, "pvvolumewithoutvp".
std::string analyzerFormulaOnVirtualVolume(const AnalysisChannels& channels, double rWave);

/// The formula of that virtual volume channel: the recorded volume channel, uncalibrated.
std::string volumeFormula(const AnalysisChannels& channels);

/// The module's selector of one loop parameter (id 1 to 29) out of the analyser's loop events,
/// in the channels' own units.
std::string parameterSelectorFormula(std::string_view analyzer, int parameterId);

} // namespace Vantrel
