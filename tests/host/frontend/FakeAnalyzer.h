#pragma once

#include "host/frontend/LoopAnalyzer.h"

#include <stdexcept>

namespace Vantrel::Testing {

enum class Outcome { Loops, Failure, NoLoops };

/// Gives every recording one loop per second of its first record, or fails, or finds none.
class FakeAnalyzer : public LoopAnalyzer {
public:
    explicit FakeAnalyzer(Outcome outcome = Outcome::Loops) : mOutcome(outcome) {}

    LoopTable analyze(Recording& recording, const AnalysisChannels& channels) override {
        if (mOutcome == Outcome::Failure)
            throw std::runtime_error("no end-diastolic points\nfound");
        LoopTable table;
        if (mOutcome == Outcome::NoLoops)
            return table;
        table.columns = {{"P", recording.channels()[channels.pressure].unit},
                         {"V", recording.channels()[channels.volume].unit}};
        const Record& record = recording.record(0);
        for (Tick tick = 0; tick < record.tickCount(); tick += static_cast<Tick>(record.sampleRate()))
            table.rows.push_back(
                {static_cast<std::int64_t>(table.rows.size()) + 1,
                 0,
                 tick * record.tickPeriod(),
                 {record.samples(channels.pressure)[tick], record.samples(channels.volume)[tick]}});
        return table;
    }

private:
    Outcome mOutcome;
};

} // namespace Vantrel::Testing
