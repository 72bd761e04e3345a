#pragma once
// The host's factory of test documents: new, empty documents that a data
// source (IStrevDataSource) fills, for the module's self-tests. The class
// registry hands it out for the kind word made of the host's number of
// kTestDocumentFactoryGuid in the high word.

#include "platform/win32/unknown.h"

inline constexpr IID IID_ITestDocumentFactory = MakeGuid("{5FCB46F0-0B1D-11D2-B325-008048C36FE8}");
inline constexpr GUID kTestDocumentFactoryGuid = MakeGuid("{087B8989-C731-48AF-9B76-A38483EAB354}");

struct ITestDocumentFactory : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 6
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    // A new, empty document asked for iid, with one reference. reserved: 0.
    virtual HRESULT CreateDocument(LONG reserved, REFIID iid, void** document) = 0; // slot 7

protected:
    ~ITestDocumentFactory() = default;
};
