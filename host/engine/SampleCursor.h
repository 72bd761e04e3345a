#pragma once

#include "host/engine/ComObject.h"
#include "host/engine/SampleExpression.h"
#include "platform/vantrel/ISampleChannel.h"

#include <climits>
#include <memory>

namespace Vantrel {

/// A channel's sample cursor in one record (ISampleChannel): the samples of a recorded channel or
/// of a computed sample formula. While the record is being sampled a read returns only the ticks
/// the formula can compute so far (SampleExpression::reach). A cursor with an end tick reads
/// nothing from there on, and its record counts as complete once its data reach that tick. The
/// recording must outlive the cursor.
class SampleCursor : public ComObject<ISampleChannel> {
public:
    SampleCursor(const Recording& recording, std::shared_ptr<const SampleExpression> expression,
                 std::int32_t record, Tick endTick = INT_MAX);

    /// Reads at most maxCount samples. S_FALSE with no sample once the cursor is at the end of a
    /// complete record; S_OK otherwise, with *count 0 while the record's next samples have not
    /// arrived. A value that is not a number is read as NaN.
    HRESULT Read(ULONG maxCount, float* buffer, ULONG* count) override;
    HRESULT GetPosition(LONG* tick) override;
    HRESULT Seek(LONG tick) override;
    HRESULT IsRecordComplete() override;
    HRESULT CloneCursor(ISampleChannel** out) override;
    HRESULT GetEventInfo(CalcEventInfo* info) override;
    HRESULT GetTickPeriod(double* seconds) override;

private:
    void* find(REFIID iid) override;
    Tick reach() const;
    bool complete() const;

    const Recording& mRecording;
    std::shared_ptr<const SampleExpression> mExpression;
    std::int32_t mRecord;
    Tick mEnd;
    Tick mPosition = 0;
    SampleExpression::Scratch mScratch;
};

} // namespace Vantrel
