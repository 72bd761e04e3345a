#pragma once
// The document side of a module view: its index and kind, the document it
// shows and the host frame it is shown in.

#include "platform/vantrel/DocView.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

class DocViewBase : public IDocView2 {
public:
    // Holds a reference to the document.
    explicit DocViewBase(IUnknown* document);

    HRESULT GetTitle(BSTR* title) override { return 1; }
    // The host frame's answer.
    HRESULT CanClose(VARIANT_BOOL* canClose) override;
    HRESULT Close() override;
    HRESULT SetViewIndex(DWORD index) override;
    HRESULT GetViewIndex(DWORD* index) override;
    HRESULT GetViewId(DWORD* documentId, DWORD* viewWord) override;
    // Registers the view with its document, then tells the frame.
    HRESULT OnViewAttached() override;
    HRESULT GetDocument(IUnknown** document) override;
    HRESULT GetFrame(IUnknown** frame) override;
    HRESULT QueryExtra(IUnknown** out) override;
    HRESULT GetViewKind(DWORD* kind) override;
    HRESULT SetViewKind(DWORD kind) override;

    IUnknown* Document() const { return mDocument.Get(); }

protected:
    virtual ~DocViewBase();
    // Keeps the frame (one reference) unless one is kept already.
    void SetFrame(IHostFrame* frame);
    // Tells the frame that the view goes, then lets it go.
    void DetachFrame();
    IHostFrame* Frame() const { return mFrame.Get(); }

private:
    DWORD mIndex = 0;
    DWORD mKind = 0;
    ComPtr<IUnknown> mDocument;
    ComPtr<IHostFrame> mFrame;
};

} // namespace Tarvik
