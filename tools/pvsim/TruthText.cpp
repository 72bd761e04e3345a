#include "tools/pvsim/TruthText.h"

#include "host/recording/TextCells.h"

#include <charconv>
#include <stdexcept>

namespace PvSim {

namespace {

constexpr std::string_view kHeader =
    "beat\ted_tick\ted_pressure_mmHg\ted_volume_uL\tes_tick\tes_pressure_mmHg\t"
    "es_volume_uL\tstroke_volume_uL\theart_rate_bpm";

void appendFixed(std::string& out, double value, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    out.append(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

BeatTruth parseRow(std::string_view row) {
    BeatTruth beat;
    std::size_t pos = 0;
    const auto next = [&](auto& value) {
        const std::size_t end = std::min(row.find('\t', pos), row.size());
        if (pos > row.size() || !Vantrel::parseNumberCell(row.substr(pos, end - pos), value))
            throw std::invalid_argument("a number is expected");
        pos = end + 1;
    };
    next(beat.beat);
    next(beat.edTick);
    next(beat.edPressure);
    next(beat.edVolume);
    next(beat.esTick);
    next(beat.esPressure);
    next(beat.esVolume);
    next(beat.strokeVolume);
    next(beat.heartRate);
    if (pos <= row.size())
        throw std::invalid_argument("more than nine cells");
    return beat;
}

} // namespace

std::string formatTruth(std::span<const BeatTruth> beats) {
    std::string text = std::string(kHeader) + '\n';
    for (const BeatTruth& b : beats) {
        text += std::to_string(b.beat) + '\t' + std::to_string(b.edTick) + '\t';
        appendFixed(text, b.edPressure, 4);
        text += '\t';
        appendFixed(text, b.edVolume, 4);
        text += '\t' + std::to_string(b.esTick) + '\t';
        appendFixed(text, b.esPressure, 4);
        text += '\t';
        appendFixed(text, b.esVolume, 4);
        text += '\t';
        appendFixed(text, b.strokeVolume, 4);
        text += '\t';
        appendFixed(text, b.heartRate, 3);
        text += '\n';
    }
    return text;
}

std::vector<BeatTruth> parseTruth(std::string_view text) {
    std::vector<BeatTruth> beats;
    Vantrel::LineReader lines(text);
    const auto header = lines.next();
    if (!header || *header != kHeader)
        throw std::invalid_argument("line 1: the truth header row is expected");
    while (const auto row = lines.next()) {
        if (row->empty())
            continue;
        try {
            beats.push_back(parseRow(*row));
        } catch (const std::invalid_argument& error) {
            throw std::invalid_argument("line " + std::to_string(lines.lineNumber()) + ": " + error.what());
        }
    }
    return beats;
}

} // namespace PvSim
