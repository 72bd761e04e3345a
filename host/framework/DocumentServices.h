#pragma once
// Documents: the document-class service makes the inner part of each document
// class (whose command handler passes the user's commands to the active
// document), the document service registers each new document and opens
// documents through their class, and the view service takes requests for views.

#include <vector>

#include "host/engine/ComObject.h"
#include "platform/vantrel/CommandHandler.h"
#include "platform/vantrel/DocumentClass.h"
#include "platform/vantrel/IHostViewService.h"
#include "platform/vantrel/Subject.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

class DocumentService;

// The host's side of one document: its identity and notification entry.
class HostDocument : public ComObject<IHostDocument, ISubject> {
public:
    void* find(REFIID iid) override {
        if (iid == IID_IHostDocument)
            return static_cast<IHostDocument*>(this);
        return iid == IID_ISubject ? static_cast<ISubject*>(this) : nullptr;
    }
    explicit HostDocument(DWORD id) : mId(id) {}

    // The notifications the module sent to the document, in order.
    const std::vector<std::pair<DWORD, ULONG_PTR>>& Notices() const { return mNotices; }

    HRESULT GetDocumentId(DWORD* id) override;
    HRESULT GetDataSource(IUnknown** dataSource) override;
    HRESULT Notify(DWORD id, ULONG_PTR payload) override;
    HRESULT Attach(IObserver*) override { return E_NOTIMPL; }
    HRESULT Detach(IObserver*) override { return E_NOTIMPL; }
    HRESULT NotifyEx(DWORD, DWORD, DWORD) override { return E_NOTIMPL; }

private:
    DWORD mId;
    std::vector<std::pair<DWORD, ULONG_PTR>> mNotices;
};

class DocClassService : public ComObject<IDocClassService> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IDocClassService ? static_cast<IDocClassService*>(this) : nullptr;
    }
    explicit DocClassService(DocumentService& documents) : mDocuments(documents) {}
    int InnersCreated() const { return mCreated; }

    HRESULT CreateInner(IUnknown** inner, IUnknown* outer, DWORD argument) override;

private:
    DocumentService& mDocuments;
    int mCreated = 0;
};

struct RegisteredDocument {
    IUnknown* owner = nullptr;    // not held
    IUnknown* document = nullptr; // not held
    DWORD flag = 0;
};

class DocumentService : public ComObject<IHostDocumentService> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IHostDocumentService ? static_cast<IHostDocumentService*>(this) : nullptr;
    }
    ~DocumentService() override;

    const std::vector<RegisteredDocument>& Registered() const { return mRegistered; }
    // Asks the document class for a new document and keeps it open (held).
    IUnknown* OpenDocument(ICustomDocClass* documentClass, DWORD flags = 0);
    // The most recently opened document, or null (not AddRef'd).
    IUnknown* ActiveDocument() const;
    // The host side of an open document, or null.
    HostDocument* HostSideOf(IUnknown* document) const;
    // Releases the open documents (before their module is unloaded).
    void CloseDocuments();

    HRESULT RegisterDocument(IUnknown* owner, IUnknown* creator, IUnknown* document, DWORD flag,
                             IUnknown** hostDocument) override;

private:
    struct OpenDoc {
        HostDocument* host;
        IUnknown* document;
    };
    std::vector<RegisteredDocument> mRegistered;
    std::vector<OpenDoc> mOpen;
    DWORD mNextId = 1;
};

struct ViewRequest {
    int slot = 0;
    ULONG_PTR values[3] = {};
};

// What the view service asks of a document that keeps views: its view of a kind and its tree of views.
class ViewDirectory {
public:
    // The view of the kind with one reference, or null.
    virtual ComPtr<IUnknown> FindView(DWORD kind) = 0;
    // The root of the document's tree of views, with one reference.
    virtual ComPtr<IUnknown> ViewTree() = 0;

protected:
    ~ViewDirectory() = default;
};

class ViewService : public ComObject<IHostViewService> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IHostViewService ? static_cast<IHostViewService*>(this) : nullptr;
    }
    const std::vector<ViewRequest>& Requests() const { return mRequests; }
    // A module document's views (its identity, the IUnknown of its document interface); the document
    // registered last is the active one, whose views OpenViewOfClass finds.
    void AddDocument(IUnknown* document, ViewDirectory& views);
    void RemoveDocument(IUnknown* document);

    HRESULT OpenView(DWORD viewKind, DWORD reserved, IUnknown** view) override;
    // The active document's view of the kind (value2); S_FALSE when it has none.
    HRESULT OpenViewOfClass(ULONG_PTR value1, ULONG_PTR value2, DWORD word, const GUID* viewClass,
                            IUnknown** view) override;
    HRESULT GetViewTree(IUnknown* document, IUnknown** root) override;
    HRESULT MakeViewObject(ULONG_PTR value1, ULONG_PTR value2, ULONG_PTR value3, DWORD reserved,
                           IUnknown** object) override;

private:
    HRESULT Record(int slot, ULONG_PTR a, ULONG_PTR b, ULONG_PTR c, IUnknown** out);

    std::vector<ViewRequest> mRequests;
    std::vector<std::pair<IUnknown*, ViewDirectory*>> mDocuments;
};

} // namespace Vantrel
