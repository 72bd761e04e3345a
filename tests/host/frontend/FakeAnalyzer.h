#pragma once

#include "host/frontend/LoopAnalyzer.h"

#include <stdexcept>

namespace Vantrel::Testing {

enum class Outcome { Loops, Failure, NoLoops };

/// Gives every recording one loop per second of its first record, or fails, or finds none.
class FakeAnalyzer : public LoopAnalyzer {
public:
    explicit FakeAnalyzer(Outcome outcome = Outcome::Loops) : mOutcome(outcome) {}

    AnalysisOutcome analyze(Recording& recording, const AnalysisRequest& request) override {
        if (mOutcome == Outcome::Failure)
            throw std::runtime_error("no end-diastolic points\nfound");
        AnalysisOutcome outcome;
        outcome.channels = request.channels.value_or(AnalysisChannels{0, 1, std::nullopt});
        outcome.settings = SettingsStreams{{{1, 2, 3}, {4, 5}}};
        LoopTable& table = outcome.table;
        if (mOutcome == Outcome::NoLoops)
            return outcome;
        const AnalysisChannels channels = outcome.channels;
        table.columns = {{"P", recording.channels()[channels.pressure].unit},
                         {"V", recording.channels()[channels.volume].unit}};
        const Record& record = recording.record(0);
        for (Tick tick = 0; tick < record.tickCount(); tick += static_cast<Tick>(record.sampleRate()))
            table.rows.push_back(
                {static_cast<std::int64_t>(table.rows.size()) + 1,
                 0,
                 tick * record.tickPeriod(),
                 {record.samples(channels.pressure)[tick], record.samples(channels.volume)[tick]}});
        return outcome;
    }

private:
    Outcome mOutcome;
};

} // namespace Vantrel::Testing
