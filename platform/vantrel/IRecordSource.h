#pragma once
// IRecordSource: the recorded data of a document as panes and record drawers
// see it. A drawer asks it for the data object (operation 17), which answers
// the record data interface (IRecordData) that drawers read values through.
// Operations not declared by name are not called by the module.

#include "platform/win32/unknown.h"

inline constexpr IID IID_IRecordSource = MakeGuid("{5B3A9E42-0C71-4E58-A6D2-3F9B1C7E2A64}");

struct IRecordSource : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 15
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    virtual HRESULT Reserved9() { return E_NOTIMPL; }
    virtual HRESULT Reserved10() { return E_NOTIMPL; }
    virtual HRESULT Reserved11() { return E_NOTIMPL; }
    virtual HRESULT Reserved12() { return E_NOTIMPL; }
    virtual HRESULT Reserved13() { return E_NOTIMPL; }
    virtual HRESULT Reserved14() { return E_NOTIMPL; }
    virtual HRESULT Reserved15() { return E_NOTIMPL; }
    // Lets a drawer re-read what it keeps of the source (extent offsets, grid settings).
    virtual HRESULT RefreshDrawer(IUnknown* drawer, LONGLONG* value) { return E_NOTIMPL; } // slot 16
    // The data object of the source, with one reference; it answers IRecordData.
    virtual HRESULT GetDataObject(IUnknown** object) = 0; // slot 17
    virtual HRESULT Reserved18() { return E_NOTIMPL; }    // slot 18
    virtual HRESULT Reserved19() { return E_NOTIMPL; }    // slot 19
    virtual HRESULT Reserved20() { return E_NOTIMPL; }    // slot 20
    virtual HRESULT Reserved21() { return E_NOTIMPL; }    // slot 21
    virtual HRESULT Reserved22() { return E_NOTIMPL; }    // slot 22
    virtual HRESULT Reserved23() { return E_NOTIMPL; }    // slot 23
    // The index of the first event of channel in record at or after position, and the index
    // one past the last event before position (end); S_FALSE when the record has no events.
    virtual HRESULT FirstEventAt(LONG channel, LONG record, LONGLONG position, LONG* index) {
        return E_NOTIMPL;
    } // slot 24
    // The pixel column, relative to the record's start, of a position (flags 0x80000000: an event's).
    virtual HRESULT PositionToPixel(DWORD flags, LONGLONG position, double* pixel) { return E_NOTIMPL; } // 25
    virtual HRESULT EndEventAt(LONG channel, LONG record, LONGLONG position, LONG* index) {
        return E_NOTIMPL;
    } // slot 26

protected:
    ~IRecordSource() = default;
};
