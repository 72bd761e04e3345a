#pragma once
// The window side of a module view: makes the view's window inside the host's
// frame (over an alias of the frame's window when the frame's window is not
// one of the framework's), and destroys it again. Its diagnostic part is listed
// in the framework's object registry while the view lives.

#include <memory>

#include "views/COMDebugClass.h"
#include "views/OwlExtClientWindowBase.h"

namespace Tarvik {

class DocWindowViewBase : public OwlExtClientWindowBase {
public:
    explicit DocWindowViewBase(OWL::TModule* module) : mModule(module) {}

    // E_FAIL when a window exists already or none could be made.
    HRESULT CreateClientWindow(IHostFrameSite* site, HWND parent, HWND* window) override;
    // Deletes a window whose parent is an alias; its other windows go with their parent.
    HRESULT DestroyClientWindow() override;
    HRESULT GetFrameSite(IHostFrameSite** site) override;

    OWL::TWindow* ViewWindow() const { return mWindow; }
    COMDebugClass& DebugPart() { return mDebug.Part(); }

protected:
    ~DocWindowViewBase() override;
    // Deletes the window now, and the alias it was made in.
    void DeleteWindow();
    // Called with the frame site when a window is being made.
    virtual void OnFrameSite(IHostFrameSite* site) {}

    OWL::TModule* mModule;
    IHostFrameSite* mSite = nullptr; // not held
    OWL::TWindow* mWindow = nullptr;
    bool mClosed = false;

private:
    RegisteredDebugPart mDebug{static_cast<IClientWindow*>(this)};
    std::unique_ptr<OWL::TWindow> mAlias;
};

} // namespace Tarvik
