#pragma once
// The input of a detector: a cursor over one sample channel or over the events
// of an inner calculation, in the record the enumerator was started on.
//
// A source reads no further than its end tick (the upper bound of the record's
// processing range). Its input has ended when the cursor reached the end tick
// or the host reports that the record holds no more data; while the host is
// sampling a source may have no current item although more will come.

#include <cstdint>

#include "platform/vantrel/CalcEventInfo.h"

namespace EEH3 {

class eeh_SourceEnum {
public:
    virtual ~eeh_SourceEnum() = default;

    // The tick of the current item; INT32_MAX when the input has ended.
    virtual std::int32_t Position() = 0;
    // Moves past the current item; true when a next one is there.
    virtual bool Advance() = 0;
    // True when there is a current item (reading more from the host when needed).
    virtual bool HasCurrent() = 0;
    // Positions the cursor at the first item at or after tick.
    virtual void Seek(std::int32_t tick) = 0;
    virtual void GetEventInfo(CalcEventInfo& info) = 0;
    // True when no more data will arrive in this record (always so offline).
    virtual bool IsRecordComplete() = 0;

    bool InputEnded() const { return mEnded; }
    void SetEndTick(std::int32_t tick) { mEndTick = tick; }

protected:
    bool mEnded = false;
    std::int32_t mEndTick = INT32_MAX;
};

} // namespace EEH3
