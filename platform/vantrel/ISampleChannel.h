#pragma once
// The sample interface of a channel in one record: a cursor over 32-bit float
// samples, one per tick. A channel can hand out an independent second cursor
// over the same samples (CloneCursor), so that a reader may look back over a
// stretch while its first cursor stays where it is.
//
// While the host samples, the record grows: a read may find fewer samples than
// asked for (or none) although more will come; IsRecordComplete tells the two
// cases apart.

#include "platform/vantrel/CalcEventInfo.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_ISampleChannel = MakeGuid("{4236EDC0-23A0-11D3-80CA-00A0C9E26433}");

struct ISampleChannel : IUnknown {
    // Reads up to maxCount samples from the cursor into buffer and moves the cursor past them;
    // *count receives the number read (0 when none is available yet). S_OK, or S_FALSE when the
    // cursor has reached the end of a complete record.
    virtual HRESULT Read(ULONG maxCount, float* buffer, ULONG* count) = 0; // slot 3
    // The tick of the sample the next Read returns.
    virtual HRESULT GetPosition(LONG* tick) = 0; // slot 4
    // Moves the cursor to tick (negative ticks count as 0; a tick past the data is allowed and
    // reads nothing until the data reach it).
    virtual HRESULT Seek(LONG tick) = 0; // slot 5
    // S_OK when no more samples will arrive in this record, S_FALSE while it may still grow.
    virtual HRESULT IsRecordComplete() = 0; // slot 6
    // A new cursor over the same channel and record, at the same position.
    virtual HRESULT CloneCursor(ISampleChannel** out) = 0; // slot 7
    virtual HRESULT GetEventInfo(CalcEventInfo* info) = 0; // slot 8
    // Seconds per tick of this channel's record.
    virtual HRESULT GetTickPeriod(double* seconds) = 0; // slot 9

protected:
    ~ISampleChannel() = default;
};
