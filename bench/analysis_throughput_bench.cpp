// Analysis throughput on 30 minutes of a generated steady mouse recording at 1 kHz and at 10 kHz,
// on one core:
//   BM_StreamOnly            copies the pressure and volume samples once: the memory-streaming
//                            baseline;
//   BM_PerBeat               a plain per-beat computation over the same beats from a precomputed
//                            beat list (Pmax, Pmin, EDV, ESV, SV, SW by trapezoid, dP/dt max and
//                            min): the simplest program that does part of the job;
//   BM_Analysis              one pass of the loop analyser's formula, evaluated by the host's
//                            calculation engine over the module's enumerators;
//   BM_AnalyzeRun            the whole `vantrel analyze` path in process on the imported recording:
//                            channels chosen, every loop parameter, the relations, the table text;
//   BM_AnalyzeRunWithImport  the same from the recording's file, import included.
// Each reports loops and samples (rows) per second and its time as a multiple of the two baselines
// measured in the same benchmark ("x stream", "x beat"). Times are the benchmark thread's CPU time,
// so that other work on a busy machine does not inflate them. The module is loaded once, before
// any timing.

#include "host/engine/CalcEngine.h"
#include "host/engine/DocumentData.h"
#include "host/frontend/ChannelChoice.h"
#include "host/frontend/DocumentLoopAnalyzer.h"
#include "host/frontend/ModuleHost.h"
#include "host/frontend/Program.h"
#include "host/frontend/TableText.h"
#include "host/recording/DelimitedExport.h"
#include "tools/pvsim/Simulation.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>

namespace {

constexpr double kSeconds = 1800.0;

// The loop analyser's formula of the module's default set-up over pressure ch1 and volume ch2, the
// whole recording.
constexpr const char* kLoopFormula =
    "TarvikAnalyzer(ch1, ch2, PVEdpDet(ch1, CMPeakDet(ch1, 20, 0), 20, 0, 0, "
    "2147483647, 2147483647), 0, 0, 2147483647, 2147483647)";

struct Generated {
    Vantrel::Recording recording;
    std::vector<Vantrel::Tick> beats; // end-diastolic ticks, in order
    std::filesystem::path file;       // the recording as delimited text
};

// The recording of a rate, generated once and written to a temporary file. The ODE needs fewer
// substeps at the higher rate.
Generated& generatedAt(double rate) {
    static std::map<double, Generated> generated;
    auto found = generated.find(rate);
    if (found == generated.end()) {
        PvSim::SimParams params = PvSim::SimParams::steadyPreset();
        params.duration = kSeconds;
        params.sampleRate = rate;
        params.substeps = rate >= 10000.0 ? 2 : 20;
        PvSim::Simulation simulation = PvSim::simulate(params);
        Generated g{std::move(simulation.recording), {}, {}};
        for (const PvSim::BeatTruth& beat : simulation.beats)
            g.beats.push_back(beat.edTick);
        g.file = std::filesystem::temp_directory_path() /
                 ("tarvik-bench-" + std::to_string(static_cast<int>(rate)) + "hz.csv");
        Vantrel::ExportOptions options;
        options.decimals = 3;
        Vantrel::writeDelimitedFile(g.file, g.recording, 0, options);
        found = generated.emplace(rate, std::move(g)).first;
    }
    return found->second;
}

Vantrel::ModuleHost& module() {
    static Vantrel::ModuleHost host;
    return host;
}

// CPU seconds the calling thread has used.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// The fastest of a few runs of f, in seconds.
template <class F> double fastest(F f, int runs = 10) {
    double best = 1e300;
    for (int run = 0; run < runs; ++run) {
        const double start = threadSeconds();
        f();
        best = std::min(best, threadSeconds() - start);
    }
    return best;
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

struct BeatValues {
    double pMax, pMin, edv, esv, sv, sw, dpdtMax, dpdtMin;
};

// The per-beat values of every beat between two end-diastolic ticks.
void perBeat(const Vantrel::Record& record, const std::vector<Vantrel::Tick>& beats,
             std::vector<BeatValues>& out) {
    const std::span<const float> p = record.samples(0);
    const std::span<const float> v = record.samples(1);
    const double rate = record.sampleRate();
    out.clear();
    for (std::size_t b = 0; b + 1 < beats.size(); ++b) {
        const auto first = static_cast<std::size_t>(beats[b]);
        const auto end = static_cast<std::size_t>(beats[b + 1]);
        BeatValues beat{p[first], p[first], v[first], v[first], 0.0, 0.0, 0.0, 0.0};
        double dpMax = -1e300, dpMin = 1e300;
        for (std::size_t k = first + 1; k < end; ++k) {
            beat.pMax = std::max<double>(beat.pMax, p[k]);
            beat.pMin = std::min<double>(beat.pMin, p[k]);
            beat.esv = std::min<double>(beat.esv, v[k]);
            beat.sw += 0.5 * (static_cast<double>(p[k]) + p[k - 1]) * (static_cast<double>(v[k - 1]) - v[k]);
            const double dp = (static_cast<double>(p[k]) - p[k - 1]) * rate;
            dpMax = std::max(dpMax, dp);
            dpMin = std::min(dpMin, dp);
        }
        beat.sv = beat.edv - beat.esv;
        beat.dpdtMax = dpMax;
        beat.dpdtMin = dpMin;
        out.push_back(beat);
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
}

// Both baselines, the fastest of several runs each, in seconds.
struct Baselines {
    double stream;
    double beat;
};

Baselines baselines(const Generated& g) {
    const Vantrel::Record& record = g.recording.record(0);
    std::vector<BeatValues> values;
    perBeat(record, g.beats, values); // its pages are mapped before the timing starts
    streamChannels(record);
    return {fastest([&] { streamChannels(record); }, 20), fastest([&] { perBeat(record, g.beats, values); })};
}

// Times each iteration's run(), after one run untimed that maps the memory it keeps; reports loops
// and rows per second and the ratios to the baselines. run() gives the loops it found.
template <class Run> void measure(benchmark::State& state, const Generated& g, Run run) {
    const Baselines base = baselines(g);
    double total = 0.0;
    std::int64_t loops = run();
    for (auto _ : state) {
        const double start = threadSeconds();
        loops = run();
        const double seconds = threadSeconds() - start;
        state.SetIterationTime(seconds);
        total += seconds;
    }
    const double iterations = static_cast<double>(state.iterations());
    const double each = total / iterations;
    state.counters["loops"] = static_cast<double>(loops);
    state.counters["loops/s"] = benchmark::Counter(static_cast<double>(loops) / each);
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(g.recording.record(0).tickCount()) / each);
    state.counters["x stream"] = each / base.stream;
    state.counters["x beat"] = each / base.beat;
}

Generated& generatedFor(const benchmark::State& state) {
    return generatedAt(static_cast<double>(state.range(0)));
}

void BM_StreamOnly(benchmark::State& state) {
    const Generated& g = generatedFor(state);
    measure(state, g, [&] {
        streamChannels(g.recording.record(0));
        return static_cast<std::int64_t>(g.beats.size()) - 1;
    });
}

void BM_PerBeat(benchmark::State& state) {
    const Generated& g = generatedFor(state);
    std::vector<BeatValues> values;
    measure(state, g, [&] {
        perBeat(g.recording.record(0), g.beats, values);
        return static_cast<std::int64_t>(values.size());
    });
}

void BM_Analysis(benchmark::State& state) {
    Generated& g = generatedFor(state);
    auto document = ComPtr<Vantrel::DocumentData>::Adopt(new Vantrel::DocumentData(g.recording));
    std::optional<Vantrel::Calculation> analyzer;
    try {
        const Vantrel::CalcEngine engine(g.recording, module().calcClasses(),
                                         ComPtr<IUnknown>(static_cast<IDocumentData*>(document.Get())));
        analyzer = engine.compile(std::string_view(kLoopFormula));
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
        return;
    }
    std::vector<std::byte> events; // kept from run to run, as a caller analysing again would
    measure(state, g, [&] {
        analyzer->events(0, events);
        // Less the trailing event.
        return static_cast<std::int64_t>(events.size() / analyzer->eventSize()) - 1;
    });
}

void BM_AnalyzeRun(benchmark::State& state) {
    const Generated& g = generatedFor(state);
    Vantrel::Recording recording = g.recording;
    Vantrel::DocumentLoopAnalyzer analyzer(module());
    measure(state, g, [&] {
        Vantrel::AnalysisRequest request;
        request.channels = Vantrel::chooseChannels(recording, {});
        const Vantrel::AnalysisOutcome outcome = analyzer.analyze(recording, request);
        benchmark::DoNotOptimize(Vantrel::formatLoopTable(outcome.table, Vantrel::TableFormat::Tsv));
        return static_cast<std::int64_t>(outcome.table.rows.size());
    });
}

// A stream that keeps nothing.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void BM_AnalyzeRunWithImport(benchmark::State& state) {
    const Generated& g = generatedFor(state);
    const std::string path = g.file.string();
    const std::vector<std::string_view> arguments{"analyze", path};
    const Vantrel::AnalyzerFactory makeAnalyzer = []() -> std::unique_ptr<Vantrel::LoopAnalyzer> {
        return std::make_unique<Vantrel::DocumentLoopAnalyzer>(module());
    };
    NullBuffer nothing;
    std::ostream out(&nothing), err(&nothing);
    measure(state, g, [&] {
        if (Vantrel::runProgram(arguments, out, err, makeAnalyzer) != 0)
            state.SkipWithError("vantrel analyze failed");
        return static_cast<std::int64_t>(g.beats.size()) - 1;
    });
}

BENCHMARK(BM_StreamOnly)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerBeat)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Analysis)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalyzeRun)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalyzeRunWithImport)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
