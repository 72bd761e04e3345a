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

protected:
    ~IRecordSource() = default;
};
