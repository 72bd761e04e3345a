#include "host/frontend/AnalysisLimits.h"

#include "host/recording/TextCells.h"

#include <charconv>
#include <cmath>

namespace Vantrel {

namespace {

std::string recordText(const Recording& recording, std::int32_t record) {
    return recording.recordCount() > 1 ? "record " + std::to_string(record + 1) + ": " : std::string();
}

// A whole number in full: 1000000 rather than 1e+06.
std::string wholeNumber(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 0);
    return std::string(text, result.ptr);
}

// Six significant digits: 1e+09 rather than 999999999.9999999.
std::string roundedNumber(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return std::string(text, result.ptr);
}

// The shortest text that reads back as the same float.
std::string sampleText(float sample) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, sample);
    return std::string(text, result.ptr);
}

void checkSamples(const Recording& recording, std::int32_t r, std::size_t channel) {
    const Record& record = recording.record(r);
    const auto samples = record.samples(channel);
    for (std::size_t tick = 0; tick < samples.size(); ++tick)
        if (std::abs(samples[tick]) > kLargestSample)
            throw AnalysisLimitError(recordText(recording, r) + "the sample of " +
                                     quotedForMessage(formatChannelHeader(recording.channels()[channel])) +
                                     " at " + numberText(static_cast<double>(tick) * record.tickPeriod()) +
                                     " s is " + sampleText(samples[tick]) + ", beyond the " +
                                     wholeNumber(kLargestSample) + " in magnitude that the analysis takes");
}

} // namespace

bool rateFitsAnalysis(double samplesPerSecond) {
    return samplesPerSecond >= kLowestRate && samplesPerSecond <= kHighestRate;
}

std::string rateRangeText() {
    return wholeNumber(kLowestRate) + " to " + wholeNumber(kHighestRate);
}

void checkAnalysisLimits(const Recording& recording, const AnalysisChannels& channels) {
    for (std::int32_t r = 0; r < recording.recordCount(); ++r) {
        const double rate = recording.record(r).sampleRate();
        if (!rateFitsAnalysis(rate))
            throw AnalysisLimitError(recordText(recording, r) + "a sample rate of " + roundedNumber(rate) +
                                     " per second; the analysis takes " + rateRangeText());
        checkSamples(recording, r, channels.pressure);
        checkSamples(recording, r, channels.volume);
        if (channels.ecg)
            checkSamples(recording, r, *channels.ecg);
    }
}

} // namespace Vantrel
