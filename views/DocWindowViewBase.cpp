#include "views/DocWindowViewBase.h"

namespace Tarvik {

DocWindowViewBase::~DocWindowViewBase() {
    // A window still shown belongs to its parent now; only the alias goes.
    if (mWindow != nullptr && mAlias != nullptr)
        DeleteWindow();
}

HRESULT DocWindowViewBase::CreateClientWindow(IHostFrameSite* site, HWND parent, HWND* window) {
    mSite = site;
    if (mSite != nullptr) {
        mSite->GetParentWindow(&parent);
        OnFrameSite(mSite);
    }
    if (mWindow != nullptr)
        return E_FAIL;
    OWL::TWindow* parentWindow = OWL::GetWindowPtr(parent);
    if (parentWindow == nullptr && parent != nullptr) {
        mAlias = std::make_unique<OWL::TWindow>(parent, mModule);
        parentWindow = mAlias.get();
    }
    mWindow = CreateViewWindow(parentWindow, mModule);
    if (mWindow == nullptr)
        return E_FAIL;
    mWindow->Create();
    if (window != nullptr)
        *window = mWindow->GetHandle();
    return S_OK;
}

HRESULT DocWindowViewBase::DestroyClientWindow() {
    if (mWindow != nullptr) {
        OWL::TWindow* parent = mWindow->GetParentO();
        if (parent != nullptr && parent->IsFlagSet(OWL::wfAlias))
            DeleteWindow();
    }
    mWindow = nullptr;
    mSite = nullptr;
    return S_OK;
}

HRESULT DocWindowViewBase::GetFrameSite(IHostFrameSite** site) {
    if (site == nullptr)
        return E_POINTER;
    *site = mSite;
    if (mSite != nullptr)
        mSite->AddRef();
    return S_OK;
}

void DocWindowViewBase::DeleteWindow() {
    delete mWindow;
    mWindow = nullptr;
    mAlias.reset();
}

} // namespace Tarvik
