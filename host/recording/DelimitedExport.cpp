#include "host/recording/DelimitedExport.h"

#include "host/recording/TextCells.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace Vantrel {

namespace {

void checkText(const std::string& text) {
    if (text.find_first_of("\r\n") != std::string::npos)
        throw std::invalid_argument("a channel title or unit holds a line break");
}

std::string headerRow(const Recording& recording, const ExportOptions& options, char delimiter) {
    std::string row = options.timeColumn ? "Time (s)" : "";
    bool first = !options.timeColumn;
    for (const ChannelInfo& channel : recording.channels()) {
        checkText(channel.title);
        checkText(channel.unit);
        if (!first)
            row += delimiter;
        row += quoteCell(formatChannelHeader(channel), delimiter);
        first = false;
    }
    return row + '\n';
}

// The fewest decimals that write every multiple of the period exactly, at most 9.
int timeDecimals(double period) {
    double scaled = period;
    for (int decimals = 0; decimals < 9; ++decimals, scaled *= 10.0)
        if (std::abs(scaled - std::round(scaled)) <= 1e-9 * scaled)
            return decimals;
    return 9;
}

// Appends a number with fixed decimals (-1: shortest exact text), without the sign of a zero.
template <class T> void appendNumber(std::string& out, T value, int decimals) {
    char buffer[64];
    const auto result = decimals < 0 ? std::to_chars(buffer, buffer + sizeof buffer, value)
                                     : std::to_chars(buffer, buffer + sizeof buffer, value,
                                                     std::chars_format::fixed, decimals);
    const char* first = buffer;
    if (*first == '-' &&
        std::string_view(first + 1, result.ptr).find_first_not_of("0.") == std::string_view::npos)
        ++first;
    out.append(first, static_cast<std::size_t>(result.ptr - first));
}

} // namespace

std::string exportDelimitedText(const Recording& recording, std::int32_t index,
                                const ExportOptions& options) {
    const Record& record = recording.record(index);
    if (options.decimals < -1 || options.decimals > 9)
        throw std::invalid_argument("decimals must lie in -1 .. 9");
    const char delimiter = delimiterChar(options.delimiter);
    std::string text = headerRow(recording, options, delimiter);
    const std::size_t channels = record.channelCount();
    std::vector<std::span<const float>> columns;
    for (std::size_t c = 0; c < channels; ++c)
        columns.push_back(record.samples(c));
    const int decimalsOfTime = timeDecimals(record.tickPeriod());
    text.reserve(text.size() + static_cast<std::size_t>(record.tickCount()) * (channels + 1) * 10);
    for (Tick tick = 0; tick < record.tickCount(); ++tick) {
        if (options.timeColumn) {
            appendNumber(text, static_cast<double>(tick) * record.tickPeriod(), decimalsOfTime);
            if (channels > 0)
                text += delimiter;
        }
        for (std::size_t c = 0; c < channels; ++c) {
            if (c > 0)
                text += delimiter;
            appendNumber(text, columns[c][static_cast<std::size_t>(tick)], options.decimals);
        }
        text += '\n';
    }
    return text;
}

void writeDelimitedFile(const std::filesystem::path& path, const Recording& recording, std::int32_t record,
                        const ExportOptions& options) {
    const std::string text = exportDelimitedText(recording, record, options);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace Vantrel
