#pragma once
// The record data of a host document: where its records end, and the mapping
// between a record's ticks and the document's continuous positions.

#include "platform/vantrel/IRecordDrawing.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_IRecordData = MakeGuid("{AD6CD303-7868-4A12-B4AE-97C02EE8F5E3}");

// A place in a document: the tick offset within a record, and the record.
struct RecordPosition {
    LONG mRecordOffset = 0;
    LONG mRecord = 0;
};

static_assert(sizeof(RecordPosition) == 8);

struct IRecordData : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 9
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    virtual HRESULT Reserved9() { return E_NOTIMPL; }
    // The position one past the last tick of record; E_INVALIDARG for a record that does not exist.
    virtual HRESULT GetRecordEnd(LONG record, RecordPosition* end) = 0; // slot 10
    // The continuous position of a tick of a record, and the tick of a position's low 32 bits.
    virtual HRESULT TickToPosition(LONG tick, LONG record, LONGLONG* position) = 0; // slot 11
    virtual HRESULT PositionToTick(LONGLONG position, LONG* tick) = 0;              // slot 12
    // Values of a channel at a continuous position, as record drawers read them. key: the drawer's
    // request flags or-ed with the channel's selector.
    virtual HRESULT HitTest(DWORD key, LONG channel, LONG x, LONG y, LONG* result) { return E_NOTIMPL; } // 13
    virtual HRESULT IsValueValid(DWORD key, LONGLONG position, LONG channel, LONG* valid) {
        return E_NOTIMPL;
    } // slot 14
    virtual HRESULT GetValue(DWORD key, LONGLONG position, LONG channel, double* value) {
        return E_NOTIMPL;
    }                                                  // slot 15
    virtual HRESULT Reserved16() { return E_NOTIMPL; } // slot 16
    // The channel's value at position (S_FALSE when there is none).
    virtual HRESULT QueryValue(DWORD key, LONGLONG position, LONG channel, double* value) {
        return E_NOTIMPL;
    }                                                  // slot 17
    virtual HRESULT Reserved18() { return E_NOTIMPL; } // slot 18
    virtual HRESULT Reserved19() { return E_NOTIMPL; } // slot 19
    virtual HRESULT Reserved20() { return E_NOTIMPL; } // slot 20
    virtual HRESULT Reserved21() { return E_NOTIMPL; } // slot 21
    virtual HRESULT Reserved22() { return E_NOTIMPL; } // slot 22
    virtual HRESULT Reserved23() { return E_NOTIMPL; } // slot 23
    virtual HRESULT Reserved24() { return E_NOTIMPL; } // slot 24
    virtual HRESULT Reserved25() { return E_NOTIMPL; } // slot 25
    virtual HRESULT Reserved26() { return E_NOTIMPL; } // slot 26
    virtual HRESULT Reserved27() { return E_NOTIMPL; } // slot 27
    virtual HRESULT Reserved28() { return E_NOTIMPL; } // slot 28
    virtual HRESULT Reserved29() { return E_NOTIMPL; } // slot 29
    virtual HRESULT Reserved30() { return E_NOTIMPL; } // slot 30
    // The events of channel in record from event index first on. kind: the event kind asked for.
    virtual HRESULT CreateEventEnumerator(DWORD key, LONG channel, DWORD kind, LONG record, LONG first,
                                          IEventEnumerator** events) {
        return E_NOTIMPL;
    }                                                  // slot 31
    virtual HRESULT Reserved32() { return E_NOTIMPL; } // slot 32
    virtual HRESULT Reserved33() { return E_NOTIMPL; } // slot 33
    virtual HRESULT Reserved34() { return E_NOTIMPL; } // slot 34
    virtual HRESULT Reserved35() { return E_NOTIMPL; } // slot 35
    // The trace of channel over positions [from, to) as segments; scale: factor and offset that
    // map values to rows (row = (offset + value) * factor); low, high: limits of the rows.
    virtual HRESULT CreateSegmentSource(DWORD key, LONG channel, LONGLONG from, LONGLONG to, LONG low,
                                        LONG high, const double* scale, DWORD colourMode,
                                        ISegmentSource** source) {
        return E_NOTIMPL;
    } // slot 36

protected:
    ~IRecordData() = default;
};
