#include "tools/pvsim/Simulation.h"

#include "host/recording/DelimitedExport.h"
#include "host/recording/TextCells.h"
#include "tools/pvsim/ParamsText.h"
#include "tools/pvsim/PvGenerator.h"
#include "tools/pvsim/TruthText.h"

#include <cmath>
#include <fstream>
#include <stdexcept>

namespace PvSim {

namespace {

std::string derivedText(const PvGenerator& generator) {
    using Vantrel::numberText;
    return "# derived: a beat of " + std::to_string(generator.beatTicks()) + " samples (" +
           numberText(generator.heartRate()) + " beats/min); end-systole " +
           std::to_string(generator.endSystoleTicks()) + " samples after the R wave\n" +
           "# derived: elastance stretched to tau1 = " + numberText(generator.elastance().tau1()) +
           " s, tau2 = " + numberText(generator.elastance().tau2()) + " s\n";
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

Simulation simulate(const SimParams& params) {
    PvGenerator generator(params);
    std::vector<std::vector<float>> columns;
    generator.generate(static_cast<Vantrel::Tick>(std::llround(params.duration * params.sampleRate)),
                       columns);
    Vantrel::Recording recording(PvGenerator::channels());
    recording.addRecord(Vantrel::Record(generator.tickPeriod(), std::move(columns)));
    return {std::move(recording), generator.beats(), derivedText(generator)};
}

Vantrel::ExportOptions sampleExportOptions() {
    Vantrel::ExportOptions options;
    options.decimals = 3;
    return options;
}

std::string paramsFileText(const SimParams& params, const Simulation& simulation) {
    return "# pvsim parameters: name = value  # unit and meaning\n" + formatParams(params) +
           simulation.derived;
}

void writeSimulationFiles(const std::filesystem::path& base, const SimParams& params,
                          const Simulation& simulation) {
    const std::string stem = base.string();
    Vantrel::writeDelimitedFile(stem + ".csv", simulation.recording, 0, sampleExportOptions());
    writeText(stem + ".truth.tsv", formatTruth(simulation.beats));
    writeText(stem + ".params.txt", paramsFileText(params, simulation));
}

} // namespace PvSim
