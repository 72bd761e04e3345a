#include "fuzz/support/RecordingCheck.h"

#include "fuzz/support/FuzzCheck.h"
#include "host/recording/DelimitedExport.h"
#include "host/recording/DelimitedImport.h"
#include "host/recording/TextCells.h"

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

} // namespace

void checkExportReadsBack(const Recording& recording, const ExportOptions& options) {
    const std::string text = exportDelimitedText(recording, 0, options);
    const Record& original = recording.record(0);
    ImportOptions importOptions;
    if (original.tickCount() == 1 || !options.timeColumn) {
        // The rate must be given; a period so short that its rate is not a double cannot be.
        if (!std::isfinite(original.sampleRate()))
            return;
        importOptions.sampleRate = original.sampleRate();
    }
    const ImportResult result = importDelimitedText(text, importOptions);
    FUZZ_CHECK(result.ok(), "the export reads back: " + result.error().text() + "\n" + text.substr(0, 2000));
    const Recording& back = result.recording();
    FUZZ_CHECK(back.channels() == recording.channels(), "the channels come back\n" + text.substr(0, 2000));
    FUZZ_CHECK(back.recordCount() == 1, "one record comes back");
    const Record& record = back.record(0);
    FUZZ_CHECK(record.tickCount() == original.tickCount(), "every tick comes back");
    const double drift = std::abs(record.tickPeriod() / original.tickPeriod() - 1.0);
    const double rate = record.sampleRate();
    FUZZ_CHECK(drift <= kPeriodTolerance ||
                   (std::abs(rate - std::round(rate)) <= 1e-9 * rate && drift <= kSnapTolerance),
               "the tick period comes back: " + numberText(drift) + " off\n" + text.substr(0, 2000));
    for (std::size_t c = 0; c < original.channelCount(); ++c) {
        const auto a = original.samples(c);
        const auto b = record.samples(c);
        for (std::size_t i = 0; i < a.size(); ++i)
            FUZZ_CHECK(sameSample(a[i], b[i], options.decimals),
                       "sample " + std::to_string(i) + " of channel " + std::to_string(c + 1) + ": " +
                           numberText(a[i]) + " came back as " + numberText(b[i]));
    }
}

} // namespace Fuzz
