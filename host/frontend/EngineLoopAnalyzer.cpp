#include "host/frontend/EngineLoopAnalyzer.h"

#include "host/engine/CalcEngine.h"
#include "host/engine/DocumentData.h"
#include "host/frontend/AnalysisFormulas.h"
#include "host/frontend/RelationFits.h"
#include "platform/vantrel/EventRecords.h"

#include <cmath>
#include <stdexcept>

namespace Vantrel {

namespace {

// SW, Pmax, Pmin, Pmean, Pdev, Vmax, Vmin, SV, Ves, Pes, Ved, Ped, HR, CO, Ea, EF, PowMax,
// dP/dt max, dP/dt min, dV/dt max, dV/dt min, Tau, P@dV/dt max, P@dP/dt max, V@dP/dt max,
// V@dP/dt min: the display order without PVA, PE and CE.
constexpr int kParameterIds[] = {1, 8,  9,  10, 11, 4,  5,  3,  6,  12, 7,  13, 14,
                                 2, 16, 15, 17, 18, 19, 20, 21, 29, 22, 23, 24, 25};

// Where a loop of a record starts and whether it is one (not the record's trailing event).
struct LoopEvent {
    double position = 0.0; // tick plus fraction
    bool isLoop = false;
};

std::vector<LoopEvent> loopEvents(const std::vector<std::byte>& bytes, ULONG eventSize) {
    if (eventSize != kLoopEventBytes)
        throw std::runtime_error("the loop analyser gave events of " + std::to_string(eventSize) +
                                 " bytes, not loop events");
    std::vector<LoopEvent> events(bytes.size() / kLoopEventBytes);
    for (std::size_t i = 0; i < events.size(); ++i) {
        const auto event = ReadEventRecord<LoopEventHead>(bytes.data() + i * kLoopEventBytes);
        events[i] = {event.tick + static_cast<double>(event.fraction),
                     event.state != LoopEventHead::LastInBlock};
    }
    return events;
}

std::vector<double> eventValues(const std::vector<std::byte>& bytes) {
    std::vector<double> values(bytes.size() / sizeof(EventRecord));
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = ReadEventRecord<EventRecord>(bytes.data() + i * sizeof(EventRecord)).value;
    return values;
}

int timeDecimals(const Recording& recording) {
    double fastest = 1.0;
    for (std::int32_t r = 0; r < recording.recordCount(); ++r)
        fastest = std::max(fastest, recording.record(r).sampleRate());
    return static_cast<int>(std::ceil(std::log10(fastest) - 1e-9)) + 1;
}

} // namespace

std::span<const int> EngineLoopAnalyzer::parameterIds() {
    return kParameterIds;
}

EngineLoopAnalyzer::EngineLoopAnalyzer(ComPtr<ICalcService> classes, LoopParameterNamer namer)
    : mClasses(std::move(classes)), mNamer(std::move(namer)) {}

LoopTable EngineLoopAnalyzer::analyze(Recording& recording, const AnalysisChannels& channels) {
    auto document = ComPtr<DocumentData>::Adopt(new DocumentData(recording));
    const CalcEngine engine(recording, mClasses,
                            ComPtr<IUnknown>(static_cast<IDocumentData*>(document.Get())));
    const double rWave = channels.ecg ? rWaveHeight(recording, *channels.ecg) : 0.0;
    const std::string analyzer = analyzerFormula(channels, rWave);
    const Calculation loops = engine.compile(analyzer);

    LoopTable table;
    table.timeDecimals = timeDecimals(recording);
    const ChannelInfo& pressure = recording.channels()[channels.pressure];
    const ChannelInfo& volume = recording.channels()[channels.volume];
    for (const int id : kParameterIds)
        table.columns.push_back(mNamer(id, pressure, volume));
    std::vector<Calculation> selectors;
    for (const int id : kParameterIds)
        selectors.push_back(engine.compile(parameterSelectorFormula(analyzer, id)));

    for (std::int32_t r = 0; r < recording.recordCount(); ++r) {
        const std::vector<LoopEvent> events = loopEvents(loops.events(r), loops.eventSize());
        std::vector<std::vector<double>> values;
        for (std::size_t p = 0; p < selectors.size(); ++p) {
            values.push_back(eventValues(selectors[p].events(r)));
            if (values.back().size() != events.size())
                throw std::runtime_error("the selector of " + table.columns[p].name + " gave " +
                                         std::to_string(values.back().size()) + " values for " +
                                         std::to_string(events.size()) + " loop events");
        }
        const Record& record = recording.record(r);
        for (std::size_t i = 0; i < events.size(); ++i) {
            if (!events[i].isLoop)
                continue;
            LoopRow row{static_cast<std::int64_t>(table.rows.size()) + 1,
                        r,
                        record.startTime() + events[i].position / record.sampleRate(),
                        {}};
            for (const auto& column : values)
                row.values.push_back(column[i]);
            table.rows.push_back(std::move(row));
        }
    }
    table.relations = fitRelations(
        recording, channels,
        {analyzer, volumeFormula(channels), analyzerFormulaOnVirtualVolume(channels, rWave)}, mClasses);
    return table;
}

} // namespace Vantrel
