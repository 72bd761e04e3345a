#pragma once
// Document classes and documents as the host sees them: the document-class
// interface of a class object, the host's document-class service that makes the
// aggregated inner part of each document class, the document interface of the
// module's documents and the host's document service that registers them.

#include "platform/vantrel/IAutoOvoString.h"
#include "platform/vantrel/ICAFClassObject.h"
#include "platform/win32/persist.h"

inline constexpr IID IID_ICustomDocClass = MakeGuid("{7B542011-6854-11D1-B2A7-00600894D72A}");
inline constexpr IID IID_IDocClassService = MakeGuid("{7B542012-6854-11D1-B2A7-00600894D72A}");
inline constexpr IID IID_IHostDocumentService = MakeGuid("{D6F52E82-B34D-11D3-80C7-005004AD3C53}");
// The host-side handler of a document class or document (its inner part).
inline constexpr IID IID_IHostDocHandler = MakeGuid("{CD8A64F3-48D2-11D1-8D03-00C0D1570D74}");
// The host's document interface of the object that asks for a document.
inline constexpr IID IID_IHostDocument = MakeGuid("{CD8A64F4-48D2-11D1-8D03-00C0D1570D74}");
// An interface of a document's host owner that the document hands on.
inline constexpr IID IID_IHostOwnerDocument = MakeGuid("{376B4751-F226-11D2-B84E-008048C36FE8}");
// Our own ids.
inline constexpr IID IID_ICustomDocument = MakeGuid("{2F6A9D12-4C83-4B7E-9E25-8A1D0C3B5E61}");
inline constexpr IID IID_ICustomDocument2 = MakeGuid("{2F6A9D13-4C83-4B7E-9E25-8A1D0C3B5E61}");

struct ICustomDocClass : ICAFClassObject {
    // Frees a BSTR already in *name first; an empty name leaves it null.
    virtual HRESULT GetName(BSTR* name) = 0;    // slot 7
    virtual HRESULT GetFlags(DWORD* flags) = 0; // slot 8
    // A new document with one reference. creator is the host object that asks
    // for it; the first and the last value are not used.
    virtual HRESULT CreateDocument(ULONG_PTR value1, IUnknown* creator, DWORD flags, IUnknown** document,
                                   ULONG_PTR last) = 0; // slot 9
    virtual HRESULT Reserved10() { return E_NOTIMPL; }  // slot 10
    // Makes object the target of the class's commands.
    virtual HRESULT AttachCommandTarget(IUnknown* object, ULONG_PTR value) = 0; // slot 11
    virtual HRESULT Reserved12() { return E_NOTIMPL; }                          // slot 12
    virtual HRESULT GetDocumentGuid(const GUID** guid) = 0;                     // slot 13

protected:
    ~ICustomDocClass() = default;
};

struct IDocClassService : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 6: not used by the module
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    // Makes the inner part of a document class, aggregated in outer; *inner
    // receives its non-delegating IUnknown with one reference.
    virtual HRESULT CreateInner(IUnknown** inner, IUnknown* outer, DWORD argument) = 0; // slot 7

protected:
    ~IDocClassService() = default;
};

struct IHostDocHandler : IUnknown {
protected:
    ~IHostDocHandler() = default;
};

struct IHostDocument : IUnknown {
    virtual HRESULT GetDocumentId(DWORD* id) = 0;     // slot 3
    virtual HRESULT Reserved4() { return E_NOTIMPL; } // slot 4
    // The host data source of the document, with one reference.
    virtual HRESULT GetDataSource(IUnknown** dataSource) = 0; // slot 5
    // The object the document keeps under id (an open view of a kind, its child data), with one
    // reference; S_FALSE and null when there is none.
    virtual HRESULT FindObject(DWORD id, IUnknown** object) { return E_NOTIMPL; } // slot 19

protected:
    ~IHostDocument() = default;
};

struct IHostDocumentService : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 6: not used by the module
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    // Registers a new document; *hostDocument receives the host's document
    // object with one reference.
    virtual HRESULT RegisterDocument(IUnknown* owner, IUnknown* creator, IUnknown* document, DWORD flag,
                                     IUnknown** hostDocument) = 0; // slot 7

protected:
    ~IHostDocumentService() = default;
};

struct ICustomDocument : IUnknown {
    // Frees a BSTR already in *name first; an empty name leaves it null.
    virtual HRESULT GetName(BSTR* name) = 0; // slot 3
    virtual HRESULT GetKind(WORD* kind) = 0; // slot 4
    // The host closes the document: it lets go of the host.
    virtual HRESULT DetachSender() = 0;                 // slot 5
    virtual HRESULT Reserved6() { return E_NOTIMPL; }   // slot 6
    virtual HRESULT GetCreationFlags(DWORD* flags) = 0; // slot 7
    // The host owner's IHostOwnerDocument, with one reference.
    virtual HRESULT GetOwnerDocument(IUnknown** owner) = 0; // slot 8

protected:
    ~ICustomDocument() = default;
};

// The document's settings objects: kind word of GetSettingsObject.
inline constexpr DWORD kSettingsObjectKind = 2;

struct ICustomDocument2 : ICustomDocument {
    // The document's persistence object of settings stream index (0 or 1) for kind
    // kSettingsObjectKind, with one reference; *word receives 0. S_FALSE and null for any other
    // index or kind.
    virtual HRESULT GetSettingsObject(LONG index, DWORD kind, DWORD* word, IPersist** persist) = 0; // slot 9
    // Copies the document's title into *title (freeing what it held).
    virtual HRESULT GetTitle(BSTR* title) = 0; // slot 10
    // The title as a string object, with one reference.
    virtual HRESULT GetTitleObject(IAutoOvoString** title) = 0; // slot 11
    virtual HRESULT GetDocumentWord(DWORD* word) = 0;           // slot 12
    virtual HRESULT SetDocumentWord(DWORD word) = 0;            // slot 13
    // Called once the host document has its data: the module defines what it keeps there.
    virtual HRESULT OnHostDataReady(IUnknown* reserved) = 0;                               // slot 14
    virtual HRESULT Reserved15(ULONG_PTR, ULONG_PTR, ULONG_PTR, ULONG_PTR, ULONG_PTR) = 0; // slot 15

protected:
    ~ICustomDocument2() = default;
};
