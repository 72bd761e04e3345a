#include "host/recording/DelimitedExport.h"

#include "host/files/OutputFile.h"
#include "host/recording/TextCells.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace Vantrel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr double kTimeResolution = 0x1p-46;

[[noreturn]] void refuse(std::size_t channel, const ChannelInfo& info, const std::string& why) {
    throw std::invalid_argument("channel " + std::to_string(channel + 1) + " (" +
                                quotedForMessage(formatChannelHeader(info)) + ") cannot be written: " + why);
}

// The header cell of a channel, quoted where the import would otherwise split it, strip a
// byte-order mark from it or take it for a comment. Refuses a channel the cell cannot give back.
std::string headerCell(std::size_t index, const ChannelInfo& channel) {
    if (!isValidUtf8(channel.title) || !isValidUtf8(channel.unit))
        refuse(index, channel, "its title or unit is not UTF-8 text");
    if (channel.title.find('\n') != std::string::npos || channel.unit.find('\n') != std::string::npos)
        refuse(index, channel, "its title or unit holds a line break");
    if (channel.title.empty())
        refuse(index, channel, "it has no title");
    const std::string cell = formatChannelHeader(channel);
    if (parseChannelHeader(cell) != channel)
        refuse(index, channel, "a header cell cannot hold blanks around its title or unit, or its brackets");
    // Any of the delimiters the import may detect, a carriage return (which ends a line) and a
    // leading byte-order mark or comment sign are safe only inside quotes.
    const bool quote = cell.find_first_of("\t;,\"\r") != std::string::npos ||
                       cell.starts_with(kByteOrderMark) || cell.starts_with('#');
    return quote ? quotedCell(cell) : cell;
}

std::string headerRow(const Recording& recording, const ExportOptions& options, char delimiter) {
    const std::vector<ChannelInfo>& channels = recording.channels();
    if (channels.empty())
        throw std::invalid_argument("a recording without channels cannot be written");
    std::string row = options.timeColumn ? "Time (s)" : "";
    bool allNumbers = true;
    for (std::size_t c = 0; c < channels.size(); ++c) {
        const ChannelInfo& channel = channels[c];
        if (!options.timeColumn && equalsIgnoringCase(channel.title, "Time"))
            refuse(c, channel, "without a time column it would read back as the time column");
        if (options.timeColumn || c > 0)
            row += delimiter;
        row += headerCell(c, channel);
        double number = 0.0;
        allNumbers = allNumbers && parseNumberCell(formatChannelHeader(channel), number);
    }
    if (allNumbers && !options.timeColumn)
        throw std::invalid_argument("a header of numbers alone cannot be written: it would read as data");
    return row + '\n';
}

// Appends text of up to 64 characters that to_chars writes.
template <class Write> void appendWritten(std::string& out, Write write) {
    char buffer[64];
    const std::to_chars_result result = write(buffer, buffer + sizeof buffer);
    if (result.ec != std::errc())
        throw std::logic_error("a number does not fit its text buffer");
    const char* first = buffer;
    // No sign on a zero: "-0" and "-0.000" are written as "0" and "0.000".
    if (*first == '-' &&
        std::string_view(first + 1, result.ptr).find_first_not_of("0.") == std::string_view::npos)
        ++first;
    out.append(first, static_cast<std::size_t>(result.ptr - first));
}

// A sample with fixed decimals, or (decimals -1) the shortest text that reads back as the same float;
// a missing sample (NaN) as "NaN".
void appendSample(std::string& out, float value, int decimals, std::size_t channel, Tick tick) {
    if (std::isnan(value)) {
        out += "NaN";
        return;
    }
    if (std::isinf(value))
        throw std::invalid_argument("sample " + std::to_string(tick) + " of channel " +
                                    std::to_string(channel + 1) + " is infinite and cannot be written");
    appendWritten(out, [&](char* first, char* last) {
        return decimals < 0 ? std::to_chars(first, last, value)
                            : std::to_chars(first, last, value, std::chars_format::fixed, decimals);
    });
}

// How the times of a record are written. When the tick period and the start time are decimal
// numbers m / 10^d and s / 10^d (the doubles nearest to them), each tick's time (s + k * m) / 10^d
// is written exactly with d decimals, from whole numbers ("0.000", "0.001", ...). Otherwise each
// time is the shortest text that reads back as the double start + k * period, which may be long but
// loses nothing: not even periods under 1e-9 s or times beyond 1e64 s.
class TimeText {
public:
    TimeText(double start, double period, Tick ticks) : mStart(start), mPeriod(period) {
        const double last = start + static_cast<double>(ticks - 1) * period;
        if (!std::isfinite(last))
            throw std::invalid_argument("the times of the record reach beyond the largest number; write it "
                                        "without a time column");
        // The import takes the period from the times' steps, which must stand out from the rounding of
        // times that large: a step of 2^-46 of them is known to within 1/64.
        if (ticks > 1 && period < kTimeResolution * std::max(std::abs(start), std::abs(last)))
            throw std::invalid_argument(
                "the tick period is too short beside the record's times to write them "
                "apart; write it without a time column");
        constexpr double kExact = 9007199254740992.0;              // 2^53: every whole number exact
        constexpr double kMostUnits = 1'000'000'000'000'000'000.0; // |s + k * m| stays below 2^63
        double scale = 1.0;
        for (int decimals = 0; decimals <= 22; ++decimals, scale *= 10.0) {
            const double units = std::round(period * scale);
            const double offset = std::round(start * scale);
            if (units < 1.0 || units > kExact || std::abs(offset) > kExact || units / scale != period ||
                offset / scale != start)
                continue;
            if (std::abs(offset) + units * std::max(ticks - 1, 0) <= kMostUnits) {
                mUnits = static_cast<std::int64_t>(units);
                mOffset = static_cast<std::int64_t>(offset);
                mDecimals = decimals;
            }
            return;
        }
    }

    void append(std::string& out, Tick tick) const {
        if (!mUnits) {
            appendWritten(out, [&](char* first, char* last) {
                return std::to_chars(first, last, mStart + static_cast<double>(tick) * mPeriod);
            });
            return;
        }
        const std::int64_t value = mOffset + tick * *mUnits;
        if (value < 0)
            out += '-';
        std::string digits = std::to_string(value < 0 ? -value : value);
        if (mDecimals == 0) {
            out += digits;
            return;
        }
        if (digits.size() <= static_cast<std::size_t>(mDecimals))
            digits.insert(0, static_cast<std::size_t>(mDecimals) + 1 - digits.size(), '0');
        out.append(digits, 0, digits.size() - static_cast<std::size_t>(mDecimals));
        out += '.';
        out.append(digits, digits.size() - static_cast<std::size_t>(mDecimals));
    }

private:
    double mStart;
    double mPeriod;
    std::optional<std::int64_t> mUnits;
    std::int64_t mOffset = 0;
    int mDecimals = 0;
};

void checkOptions(const ExportOptions& options) {
    if (options.decimals < -1 || options.decimals > 9)
        throw std::invalid_argument("decimals must lie in -1 .. 9");
}

// Appends the rows of a record: its time (with a time column) and its samples.
void appendRows(std::string& text, const Record& record, std::int32_t index, const ExportOptions& options,
                char delimiter) {
    const auto refuse = [index](const std::string& why) {
        throw std::invalid_argument("record " + std::to_string(index + 1) + " cannot be written: " + why);
    };
    if (record.tickCount() == 0)
        refuse("it holds no samples");
    if (!options.timeColumn && record.startTime() != 0.0)
        refuse("without a time column its start time of " + numberText(record.startTime()) + " s is lost");
    const std::size_t channels = record.channelCount();
    std::vector<std::span<const float>> columns;
    for (std::size_t c = 0; c < channels; ++c)
        columns.push_back(record.samples(c));
    const std::optional<TimeText> times =
        options.timeColumn ? std::optional<TimeText>(std::in_place, record.startTime(), record.tickPeriod(),
                                                     record.tickCount())
                           : std::nullopt;
    text.reserve(text.size() + static_cast<std::size_t>(record.tickCount()) * (channels + 1) * 10);
    for (Tick tick = 0; tick < record.tickCount(); ++tick) {
        if (times) {
            times->append(text, tick);
            text += delimiter;
        }
        for (std::size_t c = 0; c < channels; ++c) {
            if (c > 0)
                text += delimiter;
            appendSample(text, columns[c][static_cast<std::size_t>(tick)], options.decimals, c, tick);
        }
        text += '\n';
    }
}

} // namespace

std::string exportDelimitedText(const Recording& recording, std::int32_t index,
                                const ExportOptions& options) {
    const Record& record = recording.record(index);
    checkOptions(options);
    const char delimiter = delimiterChar(options.delimiter);
    std::string text = headerRow(recording, options, delimiter);
    appendRows(text, record, index, options, delimiter);
    return text;
}

std::string exportDelimitedRecording(const Recording& recording, const ExportOptions& options) {
    checkOptions(options);
    if (recording.recordCount() == 0)
        throw std::invalid_argument("a recording without records cannot be written");
    const char delimiter = delimiterChar(options.delimiter);
    std::string text = headerRow(recording, options, delimiter);
    for (std::int32_t r = 0; r < recording.recordCount(); ++r) {
        const Record& record = recording.record(r);
        // Without times the records share the one rate the reader is given.
        if (!options.timeColumn && record.tickPeriod() != recording.record(0).tickPeriod())
            throw std::invalid_argument(
                "record " + std::to_string(r + 1) +
                " cannot be written: without a time column its sample rate differs from "
                "the first record's");
        if (r > 0)
            text += '\n';
        appendRows(text, record, r, options, delimiter);
    }
    return text;
}

void writeDelimitedFile(const std::filesystem::path& path, const Recording& recording, std::int32_t record,
                        const ExportOptions& options) {
    writeOutputFile(path, exportDelimitedText(recording, record, options));
}

} // namespace Vantrel
