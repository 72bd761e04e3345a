// Export then import is the identity on recordings built from the input: up to three records (as
// blocks) with any start times, any channel titles and units, tick periods from a nanosecond's
// fraction to beyond 1e64 s, any float samples and missing ones, each delimiter, with and without a
// time column. The export refuses (std::invalid_argument) only what the text cannot give back, and
// never a recording of plain channels whose times fit.

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzInput.h"
#include "fuzz/support/RecordingCheck.h"
#include "host/recording/DelimitedExport.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

using namespace Vantrel;

// Characters that make headers hard: brackets, quotes, every delimiter, blanks, line ends, a
// comment sign, a byte-order mark's first byte and a two-byte letter.
constexpr const char* kPieces[] = {
    "P", "Volume",       "1",        ".",    " ",    "(", ")",  "[",   "]", "\"", ",", ";", "\t", "\r", "\n",
    "#", "\xEF\xBB\xBF", "\xC2\xB5", "Time", "mmHg", "u", "e5", "\xFF"};

// A title or unit of up to six pieces; plain when every piece is a letter or word.
std::string text(Fuzz::Input& in, bool& plain) {
    std::string result;
    for (std::size_t n = in.below(7); n > 0; --n) {
        const std::size_t piece = in.below(std::size(kPieces));
        plain = plain && (piece <= 1 || piece == 19 || piece == 20);
        result += kPieces[piece];
    }
    return result;
}

double period(Fuzz::Input& in) {
    constexpr double kPeriods[] = {0.001, 1.0 / 3000.0, 1e-4, 0.0003, 1e-12, 3e-10,
                                   0.5,   2.0,          1e60, 1e300,  0.004};
    if (in.below(4) != 0)
        return in.pick(kPeriods);
    const double raw = std::abs(in.raw<double>());
    return std::isfinite(raw) && raw > 0.0 ? raw : 0.001;
}

// The time of a record's first tick: mostly 0, else a time a clock may show, or any double.
double start(Fuzz::Input& in) {
    constexpr double kStarts[] = {0.548, -2.0, 1e6, 12345.678, 1.0 / 3.0, 86400.125};
    switch (in.below(4)) {
    case 0: {
        const double raw = in.raw<double>();
        return std::isfinite(raw) ? raw : 0.0;
    }
    case 1:
        return in.pick(kStarts);
    default:
        return 0.0;
    }
}

float sample(Fuzz::Input& in) {
    switch (in.below(4)) {
    case 0: {
        const float raw = in.raw<float>();
        return std::isinf(raw) ? 0.0F : raw; // NaN stays: a missing sample
    }
    case 1:
        return static_cast<float>(static_cast<std::int16_t>(in.raw<std::uint16_t>())) / 8.0F;
    default:
        return static_cast<float>(in.byte()) - 100.0F;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz::Input in(data, size);
    ExportOptions options;
    constexpr Delimiter kDelimiters[] = {Delimiter::Comma, Delimiter::Tab, Delimiter::Semicolon};
    options.delimiter = in.pick(kDelimiters);
    options.timeColumn = in.below(4) != 0;
    options.decimals = in.below(4) != 0 ? -1 : static_cast<int>(in.below(10));
    std::vector<ChannelInfo> channels(1 + in.below(5));
    bool plain = true;
    for (ChannelInfo& channel : channels) {
        channel.title = text(in, plain);
        channel.unit = text(in, plain);
        plain = plain && !channel.title.empty();
    }
    // Up to three records; a record of one tick takes its rate from the others, so then they share it.
    const std::size_t records = 1 + in.below(3);
    std::vector<std::size_t> ticks;
    for (std::size_t r = 0; r < records; ++r)
        ticks.push_back(1 + in.below(40));
    const bool oneRate = in.flag() || std::find(ticks.begin(), ticks.end(), 1u) != ticks.end();
    Recording recording(channels);
    bool timesFit = true;
    bool untimedFits = true; // without a time column: start times of 0 and one rate
    for (std::size_t r = 0; r < records; ++r) {
        const double tickPeriod = r > 0 && oneRate ? recording.record(0).tickPeriod() : period(in);
        std::vector<std::vector<float>> columns(channels.size());
        for (std::size_t t = 0; t < ticks[r]; ++t)
            for (auto& column : columns)
                column.push_back(sample(in));
        Record record(tickPeriod, std::move(columns));
        record.setStartTime(start(in));
        // Times must be doubles whose steps stand out from their rounding: a period of 1e300 s
        // leaves no room for many ticks, nor one of 1e-12 s after a start at 1e6 s.
        const double last = record.startTime() + static_cast<double>(ticks[r] - 1) * tickPeriod;
        timesFit =
            timesFit && std::isfinite(last) &&
            (ticks[r] == 1 || tickPeriod >= 0x1p-46 * std::max(std::abs(record.startTime()), std::abs(last)));
        untimedFits = untimedFits && record.startTime() == 0.0 &&
                      (r == 0 || tickPeriod == recording.record(0).tickPeriod());
        recording.addRecord(std::move(record));
    }
    try {
        Fuzz::checkExportReadsBack(recording, options);
    } catch (const std::invalid_argument& error) {
        FUZZ_CHECK(!plain || !timesFit || (!options.timeColumn && !untimedFits),
                   std::string("a plain recording is written: ") + error.what());
    }
    return 0;
}
