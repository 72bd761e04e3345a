#include "views/DocWindowViewBase.h"

namespace Tarvik {

DocWindowViewBase::~DocWindowViewBase() {
    // A window still shown belongs to its parent now; only the alias goes.
    if (window_ != nullptr && alias_ != nullptr)
        DeleteWindow();
}

HRESULT DocWindowViewBase::CreateClientWindow(IHostFrameSite* site, HWND parent, HWND* window) {
    site_ = site;
    if (site_ != nullptr) {
        site_->GetParentWindow(&parent);
        OnFrameSite(site_);
    }
    if (window_ != nullptr)
        return E_FAIL;
    OWL::TWindow* parentWindow = OWL::GetWindowPtr(parent);
    if (parentWindow == nullptr && parent != nullptr) {
        alias_ = std::make_unique<OWL::TWindow>(parent, module_);
        parentWindow = alias_.get();
    }
    window_ = CreateViewWindow(parentWindow, module_);
    if (window_ == nullptr)
        return E_FAIL;
    window_->Create();
    if (window != nullptr)
        *window = window_->GetHandle();
    return S_OK;
}

HRESULT DocWindowViewBase::DestroyClientWindow() {
    if (window_ != nullptr) {
        OWL::TWindow* parent = window_->GetParentO();
        if (parent != nullptr && parent->IsFlagSet(OWL::wfAlias))
            DeleteWindow();
    }
    window_ = nullptr;
    site_ = nullptr;
    return S_OK;
}

HRESULT DocWindowViewBase::GetFrameSite(IHostFrameSite** site) {
    if (site == nullptr)
        return E_POINTER;
    *site = site_;
    if (site_ != nullptr)
        site_->AddRef();
    return S_OK;
}

void DocWindowViewBase::DeleteWindow() {
    delete window_;
    window_ = nullptr;
    alias_.reset();
}

} // namespace Tarvik
