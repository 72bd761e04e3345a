#pragma once
// IEnumEventEx: the event stream of a calculation enumerator. Events are
// fixed-size records that begin with an OvoEventBase head (i32 tick, f32
// fraction, f64 value); GetEventSize gives the record size of one stream.
// Ticks count samples of the record the enumerator was started on. A tick
// position of INT32_MAX (0x7FFFFFFF) means "no more events in this record".

#include "platform/win32/unknown.h"

inline constexpr IID IID_IEnumEventEx = MakeGuid("{FCC78051-74C0-4E33-BDCA-8BDC0A6FCA9A}");

struct IEnumEventEx : IUnknown {
    // Copies the next events whose ticks lie below tickLimit into buffer, as many whole records as
    // bufferBytes holds. *count receives the number copied; *position the tick the enumerator has
    // reached (lowered to tickLimit when that is smaller): every event below it has been delivered,
    // later events lie at or after it. While sampling, *position stays below INT32_MAX until the
    // record is complete. S_OK while more may come (call again with
    // a larger limit, or later while sampling), S_FALSE when *position is INT32_MAX (end of the record).
    // E_INVALIDARG when bufferBytes holds no whole record or a pointer is null.
    virtual HRESULT Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count,
                         LONG* position) = 0; // slot 3
    // Looks for one event in [rangeStart, rangeEnd) starting at tick: forward from it, or backward
    // (latest event at or below it) when backward is TRUE. A found event is copied to event (when it is
    // not null and eventBytes holds a record) and is delivered again by the next Next. S_OK when an
    // event was found, S_FALSE otherwise.
    virtual HRESULT Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                         void* event) = 0; // slot 4
    // The tick the stream has reached (INT32_MAX at the end).
    virtual HRESULT GetPosition(LONG* tick) = 0;      // slot 5
    virtual HRESULT Reserved6() { return E_NOTIMPL; } // slot 6
    // An independent copy of the enumerator (its parameters, not its sources or position).
    virtual HRESULT Clone(IEnumEventEx** out) = 0; // slot 7
    // Size in bytes of one event record of this stream.
    virtual HRESULT GetEventSize(ULONG* bytes) = 0; // slot 8
    // Id of an event-drawing class for these events; 0 for none.
    virtual HRESULT GetDrawClassId(DWORD* id) = 0; // slot 9

protected:
    ~IEnumEventEx() = default;
};
