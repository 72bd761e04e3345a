#pragma once

#include "host/recording/ExportOptions.h"
#include "host/recording/Recording.h"
#include "tools/pvsim/BeatTruth.h"
#include "tools/pvsim/SimParams.h"

#include <filesystem>
#include <string>
#include <vector>

namespace PvSim {

/// A generated recording of one record (channels of PvGenerator::channels()) with its truth.
struct Simulation {
    Vantrel::Recording recording;
    std::vector<BeatTruth> beats;
    /// What the generator derived from the parameters (beat and end-systole in samples, the
    /// stretched elastance), as "# " comment lines.
    std::string derived;
};

/// Generates params.duration seconds in one go. Throws std::invalid_argument for invalid parameters.
Simulation simulate(const SimParams& params);

/// How generated recordings are written: commas, a time column, samples with 3 decimals.
Vantrel::ExportOptions sampleExportOptions();

/// Writes base.csv (the record), base.truth.tsv (the beats) and base.params.txt (the parameters
/// and what was derived from them). Throws std::runtime_error when a file cannot be written.
void writeSimulationFiles(const std::filesystem::path& base, const SimParams& params,
                          const Simulation& simulation);

/// The text of base.params.txt.
std::string paramsFileText(const SimParams& params, const Simulation& simulation);

} // namespace PvSim
