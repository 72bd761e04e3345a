#include "fuzz/support/RecordingCheck.h"

#include "fuzz/support/FuzzCheck.h"
#include "host/recording/DelimitedExport.h"
#include "host/recording/DelimitedImport.h"
#include "host/recording/TextCells.h"

#include <algorithm>
#include <cmath>

namespace Fuzz {

using namespace Vantrel;

namespace {

// Whether b is a as the text gives it back: NaN stays NaN, a zero loses its sign, and with
// decimals >= 0 the value is rounded to them (and then to a float).
bool sameSample(float a, float b, int decimals) {
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    if (decimals < 0)
        return a == b;
    const double rounding = 0.5 * std::pow(10.0, -decimals);
    return std::abs(static_cast<double>(a) - b) <= rounding + std::abs(static_cast<double>(a)) * 0x1p-23;
}

// The largest time of a record, in magnitude.
double largestTime(const Record& record) {
    const double last =
        record.startTime() + static_cast<double>(record.tickCount() - 1) * record.tickPeriod();
    return std::max(std::abs(record.startTime()), std::abs(last));
}

// Whether the period came back: to kPeriodTolerance, plus what rounding the times to doubles costs
// a period taken from steps between times as large as scale over the given number of steps, or to
// kSnapTolerance where the import took a whole rate.
bool samePeriod(double original, double back, double scale, double steps) {
    const double drift = std::abs(back / original - 1.0);
    // Times beyond a double are not written (the period then comes from the rate given).
    const double rounding = std::isfinite(scale) ? 4.0 * 0x1p-52 * scale / (steps * original) : 0.0;
    const double rate = 1.0 / back;
    return drift <= kPeriodTolerance + rounding ||
           (std::abs(rate - std::round(rate)) <= 1e-9 * rate && drift <= kSnapTolerance + rounding);
}

} // namespace

void checkExportReadsBack(const Recording& recording, const ExportOptions& options) {
    const std::string text = exportDelimitedRecording(recording, options);
    const std::string shown = text.substr(0, 2000);
    bool someSpan = false; // a record of two ticks or more, whose times give its rate
    bool sharedRate = true;
    double scale = 0.0;
    for (std::int32_t r = 0; r < recording.recordCount(); ++r) {
        sharedRate = sharedRate && recording.record(r).tickPeriod() == recording.record(0).tickPeriod();
        someSpan = someSpan || recording.record(r).tickCount() > 1;
        scale = std::max(scale, largestTime(recording.record(r)));
    }
    ImportOptions importOptions;
    if (!options.timeColumn || !someSpan) {
        // The rate must be given, as a double that holds the period: not one beyond the largest
        // double nor one below the normal ones, where digits are lost.
        if (!std::isnormal(recording.record(0).sampleRate()))
            return;
        importOptions.sampleRate = recording.record(0).sampleRate();
    }
    const ImportResult result = importDelimitedText(text, importOptions);
    FUZZ_CHECK(result.ok(), "the export reads back: " + result.error().text() + "\n" + shown);
    const Recording& back = result.recording();
    FUZZ_CHECK(back.channels() == recording.channels(), "the channels come back\n" + shown);
    FUZZ_CHECK(back.recordCount() == recording.recordCount(), "every record comes back\n" + shown);
    for (std::int32_t r = 0; r < recording.recordCount(); ++r) {
        const Record& original = recording.record(r);
        const Record& record = back.record(r);
        const std::string which = "record " + std::to_string(r + 1) + ": ";
        FUZZ_CHECK(record.tickCount() == original.tickCount(), which + "every tick comes back\n" + shown);
        FUZZ_CHECK(record.startTime() == original.startTime() ||
                       (!options.timeColumn && record.startTime() == 0.0),
                   which + "the start time comes back\n" + shown);
        // A single tick takes the rate given, or a typical step of the other records' times: its
        // own comes back only when they share it.
        const bool ownSteps = original.tickCount() > 1;
        if (ownSteps || importOptions.sampleRate != 0.0 || sharedRate)
            FUZZ_CHECK(samePeriod(original.tickPeriod(), record.tickPeriod(),
                                  ownSteps ? largestTime(original) : scale,
                                  ownSteps ? static_cast<double>(original.tickCount() - 1) : 1.0),
                       which + "the tick period comes back: " + numberText(original.tickPeriod()) + " as " +
                           numberText(record.tickPeriod()) + "\n" + shown);
        for (std::size_t c = 0; c < original.channelCount(); ++c) {
            const auto a = original.samples(c);
            const auto b = record.samples(c);
            for (std::size_t i = 0; i < a.size(); ++i)
                FUZZ_CHECK(sameSample(a[i], b[i], options.decimals),
                           which + "sample " + std::to_string(i) + " of channel " + std::to_string(c + 1) +
                               ": " + numberText(a[i]) + " came back as " + numberText(b[i]));
        }
    }
}

} // namespace Fuzz
