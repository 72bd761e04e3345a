#pragma once
// A record-data pixel map of the host's drawing services: a linear axis of
// positions (pixels, or table rows) laid over a sequence of records end to
// end, with a gap before each record (the first record's gap may differ from
// the later ones'). Positions are 64-bit.

#include "platform/win32/unknown.h"

inline constexpr IID IID_IRecordDataPixMap = MakeGuid("{49896434-BD68-40F9-AB75-7892BDE78CF3}");

// A place on the map: the record and the offset from its start (past its gap).
struct PixMapPosition {
    LONGLONG offset;
    LONG record;
};
static_assert(sizeof(PixMapPosition) == 16);

struct IRecordDataPixMap : IUnknown {
    virtual HRESULT SetCookie(LONG_PTR cookie) = 0;   // slot 3
    virtual HRESULT Reserved4() { return E_NOTIMPL; } // slot 4
    virtual HRESULT Reserved5() { return E_NOTIMPL; } // slot 5
    // kind 0 the first record's gap, 1 every later record's, 2 a third width.
    virtual HRESULT SetGap(LONG kind, LONG width) = 0;                        // slot 6
    virtual HRESULT Reserved7() { return E_NOTIMPL; }                         // slot 7
    virtual HRESULT SetScale(LONGLONG numerator, LONGLONG denominator) = 0;   // slot 8
    virtual HRESULT GetScale(LONGLONG* numerator, LONGLONG* denominator) = 0; // slot 9
    virtual HRESULT Reserved10() { return E_NOTIMPL; }                        // slot 10
    virtual HRESULT Reserved11() { return E_NOTIMPL; }                        // slot 11
    virtual HRESULT Rebuild() = 0;                                            // slot 12
    virtual HRESULT BeginSequence() = 0;                                      // slot 13
    virtual HRESULT Reserved14() { return E_NOTIMPL; }                        // slot 14
    virtual HRESULT EndSequence() = 0;                                        // slot 15
    // S_FALSE outside a sequence, with the end of the last record and its gap.
    virtual HRESULT GetEndPosition(LONG reserved, LONGLONG* position) = 0; // slot 16
    virtual HRESULT Reserved17() { return E_NOTIMPL; }                     // slot 17
    virtual HRESULT GetTotal(LONGLONG* total) = 0;                         // slot 18
    virtual HRESULT GetRecordCount(LONG* count) = 0;                       // slot 19
    virtual HRESULT Reserved20() { return E_NOTIMPL; }                     // slot 20
    // S_FALSE when the position lies outside [0, the record's end).
    virtual HRESULT FindRecord(LONGLONG position, PixMapPosition* at, LONGLONG* recordEnd) = 0; // slot 21
    virtual HRESULT Reserved22() { return E_NOTIMPL; }                                          // slot 22
    // S_FALSE, with both ends at the smallest 64-bit value, past the last record.
    virtual HRESULT GetRecordRange(LONG record, LONGLONG* first, LONGLONG* end) = 0; // slot 23
    // A position in a gap: mode 0 keeps one in the gap's later half at tick 0
    // of the record after it and moves one in the earlier half to the last
    // tick of the record before; mode 1 always moves back; others stay.
    virtual HRESULT LocatePosition(LONG mode, LONGLONG position, LONGLONG* offset,
                                   PixMapPosition* at) = 0; // slot 24
    virtual HRESULT Reserved25() { return E_NOTIMPL; }      // slot 25
    virtual HRESULT Reserved26() { return E_NOTIMPL; }      // slot 26
    virtual HRESULT Reserved27() { return E_NOTIMPL; }      // slot 27
    virtual HRESULT Reserved28() { return E_NOTIMPL; }      // slot 28
    virtual HRESULT Reserved29() { return E_NOTIMPL; }      // slot 29
    virtual HRESULT Reserved30() { return E_NOTIMPL; }      // slot 30
    virtual HRESULT Reserved31() { return E_NOTIMPL; }      // slot 31
    virtual HRESULT Reserved32() { return E_NOTIMPL; }      // slot 32
    virtual HRESULT Reserved33() { return E_NOTIMPL; }      // slot 33
    virtual HRESULT Reserved34() { return E_NOTIMPL; }      // slot 34
    virtual HRESULT Reserved35() { return E_NOTIMPL; }      // slot 35
    virtual HRESULT Reserved36() { return E_NOTIMPL; }      // slot 36
    virtual HRESULT Reserved37() { return E_NOTIMPL; }      // slot 37
    virtual HRESULT Reserved38() { return E_NOTIMPL; }      // slot 38
    virtual HRESULT Reserved39() { return E_NOTIMPL; }      // slot 39
    virtual HRESULT Reserved40() { return E_NOTIMPL; }      // slot 40
    virtual HRESULT Reserved41() { return E_NOTIMPL; }      // slot 41

protected:
    ~IRecordDataPixMap() = default;
};
