#include "host/framework/DocumentServices.h"

#include <algorithm>

namespace Vantrel {

namespace {

// The inner part of a document class: the host handler of its commands, which
// passes each to the active document's command handler.
class DocClassInner : public ComObject<IHostDocHandler, ICAFCommandHandler> {
public:
    void* find(REFIID iid) override {
        if (iid == IID_IHostDocHandler)
            return static_cast<IHostDocHandler*>(this);
        return iid == IID_ICAFCommandHandler ? static_cast<ICAFCommandHandler*>(this) : nullptr;
    }
    explicit DocClassInner(DocumentService& documents) : mDocuments(documents) {}

    HRESULT OnCommand(DWORD id) override {
        return Forward([&](ICAFCommandHandler* h) { return h->OnCommand(id); });
    }
    HRESULT OnCommandUpdate(DWORD id, ICommandState* state) override {
        return Forward([&](ICAFCommandHandler* h) { return h->OnCommandUpdate(id, state); });
    }
    HRESULT OnCommandEvent(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2) override {
        return Forward([&](ICAFCommandHandler* h) { return h->OnCommandEvent(id, kind, word1, word2); });
    }

private:
    template <class Call> HRESULT Forward(Call call) {
        IUnknown* document = mDocuments.ActiveDocument();
        ICAFCommandHandler* handler = nullptr;
        if (document == nullptr ||
            FAILED(document->QueryInterface(IID_ICAFCommandHandler, reinterpret_cast<void**>(&handler))))
            return S_FALSE;
        HRESULT hr = call(handler);
        handler->Release();
        return hr;
    }

    DocumentService& mDocuments;
};

} // namespace

HRESULT HostDocument::GetDocumentId(DWORD* id) {
    if (id == nullptr)
        return E_POINTER;
    *id = mId;
    return S_OK;
}

HRESULT HostDocument::GetDataSource(IUnknown** dataSource) {
    if (dataSource == nullptr)
        return E_POINTER;
    *dataSource = nullptr;
    return E_NOTIMPL;
}

HRESULT HostDocument::Notify(DWORD id, ULONG_PTR payload) {
    mNotices.emplace_back(id, payload);
    return S_OK;
}

HRESULT DocClassService::CreateInner(IUnknown** inner, IUnknown* outer, DWORD) {
    if (inner == nullptr)
        return E_POINTER;
    *inner = nullptr;
    if (outer == nullptr)
        return E_INVALIDARG;
    *inner = static_cast<IHostDocHandler*>(new DocClassInner(mDocuments));
    ++mCreated;
    return S_OK;
}

DocumentService::~DocumentService() {
    CloseDocuments();
}

IUnknown* DocumentService::OpenDocument(ICustomDocClass* documentClass, DWORD flags) {
    auto* host = new HostDocument(mNextId++);
    IUnknown* document = nullptr;
    if (documentClass == nullptr ||
        FAILED(documentClass->CreateDocument(0, static_cast<IHostDocument*>(host), flags, &document, 0)) ||
        document == nullptr) {
        host->Release();
        return nullptr;
    }
    mOpen.push_back({host, document});
    return document;
}

IUnknown* DocumentService::ActiveDocument() const {
    return mOpen.empty() ? nullptr : mOpen.back().document;
}

HostDocument* DocumentService::HostSideOf(IUnknown* document) const {
    for (const auto& open : mOpen)
        if (open.document == document)
            return open.host;
    return nullptr;
}

void DocumentService::CloseDocuments() {
    auto open = std::move(mOpen);
    mOpen.clear();
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        it->document->Release();
        it->host->Release();
    }
}

HRESULT DocumentService::RegisterDocument(IUnknown* owner, IUnknown* creator, IUnknown* document, DWORD flag,
                                          IUnknown** hostDocument) {
    if (hostDocument == nullptr)
        return E_POINTER;
    *hostDocument = nullptr;
    mRegistered.push_back({owner, document, flag});
    IHostDocument* host = nullptr;
    if (creator != nullptr &&
        SUCCEEDED(creator->QueryInterface(IID_IHostDocument, reinterpret_cast<void**>(&host)))) {
        *hostDocument = host;
        return S_OK;
    }
    *hostDocument = static_cast<IHostDocument*>(new HostDocument(mNextId++));
    return S_OK;
}

HRESULT ViewService::Record(int slot, ULONG_PTR a, ULONG_PTR b, ULONG_PTR c, IUnknown** out) {
    if (out != nullptr)
        *out = nullptr;
    ViewRequest request;
    request.slot = slot;
    request.values[0] = a;
    request.values[1] = b;
    request.values[2] = c;
    mRequests.push_back(request);
    return S_FALSE;
}

HRESULT ViewService::OpenView(DWORD viewKind, DWORD reserved, IUnknown** view) {
    return Record(10, viewKind, reserved, 0, view);
}

HRESULT ViewService::OpenViewOfClass(ULONG_PTR value1, ULONG_PTR value2, DWORD word, const GUID*,
                                     IUnknown** view) {
    Record(12, value1, value2, word, view);
    if (view == nullptr || mDocuments.empty())
        return S_FALSE;
    *view = mDocuments.back().second->FindView(static_cast<DWORD>(value2)).Detach();
    return *view != nullptr ? S_OK : S_FALSE;
}

void ViewService::AddDocument(IUnknown* document, ViewDirectory& views) {
    RemoveDocument(document);
    mDocuments.emplace_back(document, &views);
}

void ViewService::RemoveDocument(IUnknown* document) {
    std::erase_if(mDocuments, [document](const auto& entry) { return entry.first == document; });
}

HRESULT ViewService::GetViewTree(IUnknown* document, IUnknown** root) {
    if (root == nullptr)
        return E_POINTER;
    *root = nullptr;
    for (const auto& [known, views] : mDocuments)
        if (known == document) {
            *root = views->ViewTree().Detach();
            return S_OK;
        }
    return S_FALSE;
}

HRESULT ViewService::MakeViewObject(ULONG_PTR value1, ULONG_PTR value2, ULONG_PTR value3, DWORD,
                                    IUnknown** object) {
    return Record(14, value1, value2, value3, object);
}

} // namespace Vantrel
