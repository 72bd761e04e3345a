#pragma once
// What record drawers draw from: a segment source gives a channel's trace as
// line segments in device pixels, an event enumerator the positions of a
// channel's events. Both are made by the record data interface (IRecordData,
// operations 31 and 36).

#include "platform/win32/types.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_ISegmentSource = MakeGuid("{0E6B3C5A-7D41-4F2B-9A63-1C8E5D2F4B70}");
inline constexpr IID IID_IEventEnumerator = MakeGuid("{6A2F9D13-4B8E-4C57-8E1A-2D7C3B9F5E81}");

struct ISegmentSource : IUnknown {
    // Up to maxPoints points (pairs, each a two-point segment) for the positions from position
    // on, the first position drawn at column x; count: points written, consumed: positions
    // covered; a position gives at most four points. Rows follow the vertical scale the source
    // was made with. A source may go on past the range it was made for.
    virtual HRESULT NextSegments(LONGLONG position, LONG x, LONG maxPoints, POINT* points, LONG* count,
                                 LONGLONG* consumed) = 0; // slot 3
    // The position the next call continues from.
    virtual HRESULT GetPosition(LONGLONG* position) = 0; // slot 4
    virtual HRESULT Reserved5() { return E_NOTIMPL; }    // slot 5
    // The last position the source can draw, relative to its first.
    virtual HRESULT GetExtent(LONGLONG* extent) = 0; // slot 6

protected:
    ~ISegmentSource() = default;
};

struct IEventEnumerator : IUnknown {
    // The next event's position; S_FALSE after the last.
    virtual HRESULT Next(LONGLONG* position) = 0; // slot 3

protected:
    ~IEventEnumerator() = default;
};
