#pragma once
// The host's storage of a document's settings streams: the module's document
// asks the host to read a stored stream into one of its persistence objects.

#include "platform/win32/bstr.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_IDocumentStorage = MakeGuid("{CD8A64F0-48D2-11D1-8D03-00C0D1570D74}");

struct IDocumentStorage : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 6: not used by the module
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    // Reads stream `index` (0 or 1) stored with the document (its IHostDocument) into persist (an
    // IPersistStreamInit) through persist's Load; the load's answer is the result. S_FALSE, loading
    // nothing, when the document has no such stream. *message may receive a text for the user
    // (freed by the caller).
    virtual HRESULT LoadSettings(IUnknown* hostDocument, LONG index, IUnknown* persist, DWORD reserved1,
                                 DWORD reserved2, BSTR* message) = 0; // slot 7

protected:
    ~IDocumentStorage() = default;
};
