#pragma once

#include "host/engine/Calculation.h"
#include "host/recording/RecordingObserver.h"

#include <map>
#include <memory>
#include <vector>

namespace Vantrel {

/// An event formula evaluated while the recording samples: each record sampled is started online
/// when it begins, its ready events are taken after every block, and its run ends when sampling
/// stops. The events are those the complete record gives offline. Observes the recording from
/// construction to destruction; errors of the run (FormulaError) reach the caller that changed the
/// recording.
class OnlineCalculation : public RecordingObserver {
public:
    OnlineCalculation(Recording& recording, Calculation calculation);
    ~OnlineCalculation() override;
    OnlineCalculation(const OnlineCalculation&) = delete;
    OnlineCalculation& operator=(const OnlineCalculation&) = delete;

    /// The events of a record sampled so far (eventSize() bytes each).
    const std::vector<std::byte>& events(std::int32_t record) const;
    /// Whether the record's run has ended.
    bool finished(std::int32_t record) const;

    void recordStarted(std::int32_t record) override;
    void samplesAppended(std::int32_t record, Tick first, Tick count) override;
    void samplingStopped(std::int32_t record) override;

private:
    Recording& mRecording;
    Calculation mCalculation;
    std::map<std::int32_t, std::vector<std::byte>> mEvents;
    std::map<std::int32_t, bool> mFinished;
    std::unique_ptr<RecordRun> mRun;
    std::int32_t mRunRecord = -1;
};

} // namespace Vantrel
