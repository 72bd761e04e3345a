#include "views/DocViewBase.h"

#include "platform/vantrel/DocumentClass.h"

namespace Tarvik {

DocViewBase::DocViewBase(IUnknown* document) : mDocument(document) {}

DocViewBase::~DocViewBase() = default;

HRESULT DocViewBase::CanClose(VARIANT_BOOL* canClose) {
    if (mFrame)
        return mFrame->CanCloseView(this, canClose);
    return S_OK;
}

HRESULT DocViewBase::Close() {
    DetachFrame();
    return S_OK;
}

HRESULT DocViewBase::SetViewIndex(DWORD index) {
    mIndex = index;
    return S_OK;
}

HRESULT DocViewBase::GetViewIndex(DWORD* index) {
    if (index == nullptr)
        return E_POINTER;
    *index = mIndex;
    return S_OK;
}

HRESULT DocViewBase::GetViewId(DWORD* documentId, DWORD* viewWord) {
    if (documentId == nullptr || viewWord == nullptr)
        return E_POINTER;
    *documentId = 0;
    if (const auto document = mDocument.Query<IHostDocument>(IID_IHostDocument))
        document->GetDocumentId(documentId);
    *viewWord = (mKind << 16) | (mIndex & 0xFFFF);
    return S_OK;
}

HRESULT DocViewBase::OnViewAttached() {
    if (const auto registry = mDocument.Query<IViewRegistry>(IID_IViewRegistry))
        registry->RegisterView(this);
    if (mFrame)
        mFrame->ViewAttached(this);
    return S_OK;
}

HRESULT DocViewBase::GetDocument(IUnknown** document) {
    if (document == nullptr)
        return E_POINTER;
    *document = ComPtr<IUnknown>(mDocument).Detach();
    return S_OK;
}

HRESULT DocViewBase::GetFrame(IUnknown** frame) {
    if (frame == nullptr)
        return E_POINTER;
    *frame = ComPtr<IUnknown>(mFrame.Get()).Detach();
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
    *kind = mKind;
    return S_OK;
}

HRESULT DocViewBase::SetViewKind(DWORD kind) {
    mKind = kind;
    return S_OK;
}

void DocViewBase::SetFrame(IHostFrame* frame) {
    if (mFrame || frame == nullptr)
        return;
    mFrame = ComPtr<IHostFrame>(frame);
}

void DocViewBase::DetachFrame() {
    if (!mFrame)
        return;
    const ComPtr<IHostFrame> frame = std::move(mFrame);
    frame->DetachView(this);
}

} // namespace Tarvik
