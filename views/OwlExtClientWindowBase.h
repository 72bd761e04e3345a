#pragma once
// The client-window interface of a view whose window is a window of the
// framework; each view kind makes its own window.

#include "platform/owl/TWindow.h"
#include "platform/vantrel/DocView.h"

namespace Tarvik {

class OwlExtClientWindowBase : public IClientWindow {
public:
    HRESULT Reserved5() override { return S_OK; } // succeeds, unlike the slot's default

protected:
    virtual ~OwlExtClientWindowBase() = default;
    // Makes the view's window as a child of parent; null when it cannot.
    virtual OWL::TWindow* CreateViewWindow(OWL::TWindow* parent, OWL::TModule* module) = 0;
    virtual void OnViewCreated(OWL::TWindow* window) {}
};

} // namespace Tarvik
