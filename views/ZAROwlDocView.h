#pragma once
// The host's view object of a module window class V: the view as the host
// sees it (IDocView2), its client window (IClientWindow) and the proxy through
// which the host's commands, notifications and messages reach V's command
// table. V's constructor takes (parent, document, this view, view class,
// creation value); V derives from ViewBase.

#include "core/CComObjectRoot.h"
#include "module/ZARProxyEventHandler.h"
#include "views/DocViewBase.h"
#include "views/DocWindowViewBase.h"
#include "views/OwlDocViewClassBase.h"

namespace Tarvik {

template <class V>
class ZAROwlDocView : public DocWindowViewBase,
                      public DocViewBase,
                      public ZARProxyEventHandlerBase,
                      public Ovo::CComObjectRoot {
public:
    // Holds the document and the view class.
    ZAROwlDocView(OWL::TModule* module, IUnknown* document, OwlDocViewClassBase* viewClass,
                  ULONG_PTR creation = 0)
        : DocWindowViewBase(module), DocViewBase(document), mViewClass(viewClass), mCreation(creation) {}

    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Ovo::QueryInterfaceMap({{IID_IDocView2, static_cast<IDocView2*>(this)},
                                       {IID_IClientWindow, static_cast<IClientWindow*>(this)},
                                       {IID_ICAFCommandHandler, static_cast<ICAFCommandHandler*>(this)},
                                       {IID_IObserver, static_cast<IObserver*>(this)},
                                       {IID_IMessageHandler, static_cast<IMessageHandler*>(this)},
                                       {IID_IObjInfo, static_cast<IObjInfo*>(&DebugPart())}},
                                      iid, out);
    }
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    // The window's title while it exists, else the view class's name.
    HRESULT GetTitle(BSTR* title) override {
        if (title == nullptr)
            return E_POINTER;
        V* window = View();
        *title = (window != nullptr ? window->Title() : mViewClass->ClassName()).AllocBSTR();
        return S_OK;
    }
    // True when the window may close and the frame agrees.
    HRESULT CanClose(VARIANT_BOOL* canClose) override {
        if (canClose == nullptr)
            return E_POINTER;
        *canClose = mWindow != nullptr && mWindow->CanClose() ? VARIANT_TRUE : VARIANT_FALSE;
        if (*canClose && Frame() != nullptr)
            Frame()->CanCloseView(this, canClose);
        return *canClose ? S_OK : S_FALSE;
    }
    // The frame site may keep the view open by answering non-zero.
    HRESULT Close() override {
        if (mClosed)
            return S_OK;
        if (mSite != nullptr) {
            const HRESULT hr = mSite->ReleaseView(this);
            if (hr != S_OK)
                return hr;
        }
        mSite = nullptr;
        mClosed = true;
        if (mWindow != nullptr)
            DeleteWindow();
        DetachFrame();
        return S_OK;
    }

    V* View() const { return static_cast<V*>(mWindow); }

protected:
    ~ZAROwlDocView() override = default;

    OWL::TWindow* CreateViewWindow(OWL::TWindow* parent, OWL::TModule*) override {
        auto* window = new V(parent, Document(), static_cast<IDocView2*>(this), mViewClass.Get(), mCreation);
        mWindow = window;
        OnViewCreated(window);
        window->Attach(this);
        return window;
    }
    void OnFrameSite(IHostFrameSite* site) override {
        if (const auto frame = QueryInterfacePtr<IHostFrame>(site, IID_IHostFrame))
            SetFrame(frame.Get());
    }

private:
    ComPtr<OwlDocViewClassBase> mViewClass;
    ULONG_PTR mCreation;
};

} // namespace Tarvik
