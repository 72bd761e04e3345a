// Analysis throughput through the whole chain: the loop analyser's formula evaluated by the host's
// calculation engine over the module's enumerators, its loop events pulled record by record, on
// 30 minutes of a generated steady mouse recording at 1 kHz and at 10 kHz. Reported as loops and
// samples per second, next to a baseline measured in the same run that only streams the
// analysed channels' bytes through memory, and the ratio of the two times ("x stream"). Times
// are the benchmark thread's CPU time, so that other work on a busy machine does not inflate
// them; the analysis runs on one core.

#include "host/engine/CalcEngine.h"
#include "host/engine/DocumentData.h"
#include "host/frontend/AnalysisFormulas.h"
#include "host/frontend/ModuleHost.h"
#include "tools/pvsim/Simulation.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <ctime>
#include <map>
#include <optional>

namespace {

constexpr double kSeconds = 1800.0;

// The recording of a rate, generated once. The ODE needs fewer substeps at the higher rate.
Vantrel::Recording& recordingAt(double rate) {
    static std::map<double, Vantrel::Recording> recordings;
    auto found = recordings.find(rate);
    if (found == recordings.end()) {
        PvSim::SimParams params = PvSim::SimParams::steadyPreset();
        params.duration = kSeconds;
        params.sampleRate = rate;
        params.substeps = rate >= 10000.0 ? 2 : 20;
        found = recordings.emplace(rate, PvSim::simulate(params).recording).first;
    }
    return found->second;
}

Vantrel::ModuleHost& module() {
    static Vantrel::ModuleHost host;
    return host;
}

// Copies the pressure and volume samples once, as the analysis must read them at the least.
void streamChannels(const Vantrel::Record& record) {
    static std::vector<float> copy;
    copy.resize(static_cast<std::size_t>(record.tickCount()));
    for (const std::size_t channel : {0u, 1u}) {
        const auto samples = record.samples(channel);
        std::memcpy(copy.data(), samples.data(), samples.size_bytes());
        benchmark::ClobberMemory();
    }
}

// CPU seconds the calling thread has used.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// The fastest of 20 streaming passes, in seconds.
double streamingBaseline(const Vantrel::Record& record) {
    double best = 1e300;
    for (int pass = 0; pass < 20; ++pass) {
        const double start = threadSeconds();
        streamChannels(record);
        best = std::min(best, threadSeconds() - start);
    }
    return best;
}

void setRates(benchmark::State& state, double seconds, std::int64_t loops, std::int64_t samples) {
    const double iterations = static_cast<double>(state.iterations());
    state.counters["loops/s"] = benchmark::Counter(static_cast<double>(loops) * iterations / seconds);
    state.counters["samples/s"] = benchmark::Counter(static_cast<double>(samples) * iterations / seconds);
}

void BM_StreamOnly(benchmark::State& state) {
    const Vantrel::Record& record = recordingAt(static_cast<double>(state.range(0))).record(0);
    streamChannels(record); // the copy's pages are mapped before the timing starts
    double total = 0.0;
    for (auto _ : state) {
        const double start = threadSeconds();
        streamChannels(record);
        const double seconds = threadSeconds() - start;
        state.SetIterationTime(seconds);
        total += seconds;
    }
    const std::int64_t beats = static_cast<std::int64_t>(kSeconds * 500.0 / 60.0);
    setRates(state, total, beats, record.tickCount());
}

// The loop analyser's formula over the recording's pressure and volume, ready to evaluate.
Vantrel::Calculation analyzerOver(const Vantrel::Recording& recording, IUnknown* document) {
    const Vantrel::CalcEngine engine(recording, module().calcClasses(), ComPtr<IUnknown>(document));
    return engine.compile(Vantrel::analyzerFormula({0, 1, {}}, 0.0));
}

void BM_Analysis(benchmark::State& state) {
    Vantrel::Recording& recording = recordingAt(static_cast<double>(state.range(0)));
    const Vantrel::Record& record = recording.record(0);
    auto document = ComPtr<Vantrel::DocumentData>::Adopt(new Vantrel::DocumentData(recording));
    std::optional<Vantrel::Calculation> analyzer;
    try {
        analyzer = analyzerOver(recording, static_cast<IDocumentData*>(document.Get()));
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
        return;
    }
    const double baseline = streamingBaseline(record);
    double total = 0.0;
    std::int64_t loops = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        const std::vector<std::byte> events = analyzer->events(0);
        const double seconds = threadSeconds() - start;
        state.SetIterationTime(seconds);
        total += seconds;
        loops =
            static_cast<std::int64_t>(events.size() / analyzer->eventSize()) - 1; // less the trailing event
    }
    setRates(state, total, loops, record.tickCount());
    state.counters["loops"] = static_cast<double>(loops);
    state.counters["x stream"] = total / static_cast<double>(state.iterations()) / baseline;
}

BENCHMARK(BM_StreamOnly)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Analysis)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
