#include "host/frontend/AnalysisFormulas.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace Vantrel {

namespace {

// The whole recording: from record 0, tick 0 to the end of the data (INT_MAX, INT_MAX).
constexpr std::string_view kWholeRecording = ", 0, 0, 2147483647, 2147483647";

std::string channelToken(std::size_t channel) {
    return "ch" + std::to_string(channel + 1);
}

// printf's %g with precision 6, whatever the locale.
std::string number(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return std::string(text, result.ptr);
}

} // namespace

double rWaveHeight(const Recording& recording, std::size_t channel) {
    double smallest = std::numeric_limits<double>::infinity();
    double largest = -smallest;
    for (std::int32_t r = 0; r < recording.recordCount(); ++r)
        for (const float sample : recording.record(r).samples(channel))
            if (std::isfinite(sample)) {
                smallest = std::min<double>(smallest, sample);
                largest = std::max<double>(largest, sample);
            }
    return largest >= smallest ? 0.5 * (largest - smallest) : 0.0;
}

std::string edpDetectorFormula(const AnalysisChannels& channels, double rWave) {
    if (channels.ecg)
        return "PVEcgEdpDet(CMPeakDet(" + channelToken(*channels.ecg) + ", " + number(rWave) + ", 0)" +
               std::string(kWholeRecording) + ")";
    const std::string pressure = channelToken(channels.pressure);
    const std::string height = number(kEdpPeakHeight);
    return "PVEdpDet(" + pressure + ", CMPeakDet(" + pressure + ", " + height + ", 0), " + height +
           std::string(kWholeRecording) + ")";
}

namespace {

std::string analyzerOn(const AnalysisChannels& channels, const std::string& volume, double rWave) {
    return "TarvikAnalyzer(" + channelToken(channels.pressure) + ", " + volume + ", " +
           edpDetectorFormula(channels, rWave) + std::string(kWholeRecording) + ")";
}

} // namespace

std::string analyzerFormula(const AnalysisChannels& channels, double rWave) {
    return analyzerOn(channels, channelToken(channels.volume), rWave);
}

std::string analyzerFormulaOnVirtualVolume(const AnalysisChannels& channels, double rWave) {
    return analyzerOn(channels, "pvvolumewithoutvp", rWave);
}

std::string volumeFormula(const AnalysisChannels& channels) {
    return channelToken(channels.volume);
}

std::string parameterSelectorFormula(std::string_view analyzer, int parameterId) {
    return "TarvikParamSelector(" + std::string(analyzer) + ", " + std::to_string(parameterId) + ", 1, 1)";
}

} // namespace Vantrel
