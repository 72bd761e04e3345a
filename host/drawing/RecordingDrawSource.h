#pragma once
// The record source that the module's record drawers read a recording
// through: positions run on from record to record, each covering a fixed
// number of samples (the display's compression); a channel's trace comes as
// per-position minimum-maximum strokes joined to their neighbours, its events
// as positions.

#include <vector>

#include "host/engine/ComObject.h"
#include "host/recording/Recording.h"
#include "platform/vantrel/IRecordData.h"
#include "platform/vantrel/IRecordSource.h"

namespace Vantrel {

class RecordingDrawSource : public ComObject<IRecordSource, IRecordData> {
public:
    // recording must outlive the source. samplesPerPosition >= 1.
    RecordingDrawSource(const Recording& recording, LONG samplesPerPosition);

    // IRecordSource
    HRESULT GetDataObject(IUnknown** object) override;
    HRESULT FirstEventAt(LONG channel, LONG record, LONGLONG position, LONG* index) override;
    HRESULT PositionToPixel(DWORD flags, LONGLONG position, double* pixel) override;
    HRESULT EndEventAt(LONG channel, LONG record, LONGLONG position, LONG* index) override;

    // IRecordData
    HRESULT GetRecordEnd(LONG record, RecordPosition* end) override;
    HRESULT TickToPosition(LONG tick, LONG record, LONGLONG* position) override;
    HRESULT PositionToTick(LONGLONG position, LONG* tick) override;
    HRESULT IsValueValid(DWORD key, LONGLONG position, LONG channel, LONG* valid) override;
    HRESULT GetValue(DWORD key, LONGLONG position, LONG channel, double* value) override;
    HRESULT QueryValue(DWORD key, LONGLONG position, LONG channel, double* value) override;
    HRESULT CreateEventEnumerator(DWORD key, LONG channel, DWORD kind, LONG record, LONG first,
                                  IEventEnumerator** events) override;
    HRESULT CreateSegmentSource(DWORD key, LONG channel, LONGLONG from, LONGLONG to, LONG low, LONG high,
                                const double* scale, DWORD colourMode, ISegmentSource** source) override;

    // The first position of a record, and the record holding a position (-1 for none).
    LONGLONG RecordStart(LONG record) const { return mStarts[static_cast<std::size_t>(record)]; }
    LONG RecordAt(LONGLONG position) const;
    LONG SamplesPerPosition() const { return mSamplesPerPosition; }
    const Recording& recording() const { return mRecording; }

private:
    void* find(REFIID iid) override;
    bool Sample(LONGLONG position, LONG channel, float& value) const;
    std::vector<LONGLONG> EventPositions(LONG channel, LONG record) const;

    const Recording& mRecording;
    LONG mSamplesPerPosition;
    std::vector<LONGLONG> mStarts; // one more than the records: the end of the last
};

} // namespace Vantrel
