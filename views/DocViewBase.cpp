#include "views/DocViewBase.h"

#include "platform/vantrel/DocumentClass.h"

namespace Tarvik {

DocViewBase::DocViewBase(IUnknown* document) : document_(document) {
    if (document_ != nullptr)
        document_->AddRef();
}

DocViewBase::~DocViewBase() {
    if (frame_ != nullptr)
        frame_->Release();
    if (document_ != nullptr)
        document_->Release();
}

HRESULT DocViewBase::CanClose(VARIANT_BOOL* canClose) {
    if (frame_ != nullptr)
        return frame_->CanCloseView(this, canClose);
    return S_OK;
}

HRESULT DocViewBase::Close() {
    DetachFrame();
    return S_OK;
}

HRESULT DocViewBase::SetViewIndex(DWORD index) {
    index_ = index;
    return S_OK;
}

HRESULT DocViewBase::GetViewIndex(DWORD* index) {
    if (index == nullptr)
        return E_POINTER;
    *index = index_;
    return S_OK;
}

HRESULT DocViewBase::GetViewId(DWORD* documentId, DWORD* viewWord) {
    if (documentId == nullptr || viewWord == nullptr)
        return E_POINTER;
    *documentId = 0;
    IHostDocument* document = nullptr;
    if (document_ != nullptr &&
        SUCCEEDED(document_->QueryInterface(IID_IHostDocument, reinterpret_cast<void**>(&document)))) {
        document->GetDocumentId(documentId);
        document->Release();
    }
    *viewWord = (kind_ << 16) | (index_ & 0xFFFF);
    return S_OK;
}

HRESULT DocViewBase::OnViewAttached() {
    IViewRegistry* registry = nullptr;
    if (document_ != nullptr &&
        SUCCEEDED(document_->QueryInterface(IID_IViewRegistry, reinterpret_cast<void**>(&registry)))) {
        registry->RegisterView(this);
        registry->Release();
    }
    if (frame_ != nullptr)
        frame_->ViewAttached(this);
    return S_OK;
}

HRESULT DocViewBase::GetDocument(IUnknown** document) {
    if (document == nullptr)
        return E_POINTER;
    *document = document_;
    if (document_ != nullptr)
        document_->AddRef();
    return S_OK;
}

HRESULT DocViewBase::GetFrame(IUnknown** frame) {
    if (frame == nullptr)
        return E_POINTER;
    *frame = frame_;
    if (frame_ != nullptr)
        frame_->AddRef();
    return S_OK;
}

HRESULT DocViewBase::QueryExtra(IUnknown** out) {
    if (out != nullptr)
        *out = nullptr;
    return S_FALSE;
}

HRESULT DocViewBase::GetViewKind(DWORD* kind) {
    if (kind == nullptr)
        return E_POINTER;
    *kind = kind_;
    return S_OK;
}

HRESULT DocViewBase::SetViewKind(DWORD kind) {
    kind_ = kind;
    return S_OK;
}

void DocViewBase::SetFrame(IHostFrame* frame) {
    if (frame_ != nullptr || frame == nullptr)
        return;
    frame_ = frame;
    frame_->AddRef();
}

void DocViewBase::DetachFrame() {
    if (frame_ == nullptr)
        return;
    IHostFrame* frame = frame_;
    frame_ = nullptr;
    frame->DetachView(this);
    frame->Release();
}

} // namespace Tarvik
