// Import speed of delimited text: rows and bytes per second on a generated recording of a million
// rows (time, pressure, volume, ECG), as comma-separated text with 3 decimals and with every digit.

#include "host/recording/DelimitedExport.h"
#include "host/recording/DelimitedImport.h"
#include "tools/pvsim/Simulation.h"

#include <benchmark/benchmark.h>

namespace {

const Vantrel::Recording& millionRows() {
    static const Vantrel::Recording recording = [] {
        PvSim::SimParams params = PvSim::SimParams::occlusionPreset();
        params.duration = 1000.0; // 1 kHz
        params.pressureNoise = 0.3;
        params.volumeNoise = 0.1;
        return PvSim::simulate(params).recording;
    }();
    return recording;
}

void importText(benchmark::State& state, int decimals) {
    Vantrel::ExportOptions options;
    options.decimals = decimals;
    const std::string text = Vantrel::exportDelimitedText(millionRows(), 0, options);
    const auto rows = millionRows().record(0).tickCount();
    for (auto _ : state) {
        Vantrel::ImportResult result = Vantrel::importDelimitedText(text);
        if (!result.ok())
            state.SkipWithError(result.error().text().c_str());
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_ImportThreeDecimals(benchmark::State& state) {
    importText(state, 3);
}

void BM_ImportEveryDigit(benchmark::State& state) {
    importText(state, -1);
}

BENCHMARK(BM_ImportThreeDecimals)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportEveryDigit)->Unit(benchmark::kMillisecond);

} // namespace
