#pragma once
// A gadget window that tracks the pointer, so that its themed gadgets hear
// when it enters and leaves them, and that keeps a theme of its own.

#include "platform/owl/TGadgetWindow.h"
#include "platform/theme/uxtheme.h"

class UxSizableButtonGadget;

namespace OvoControls {

class UxGadgetWindow : public OWL::TGadgetWindow {
public:
    explicit UxGadgetWindow(OWL::TWindow* parent = nullptr, OWL::TModule* module = nullptr);
    ~UxGadgetWindow() override;

    // On WM_THEMECHANGED: closes the theme, reopens it where the platform
    // allows, lays out again; whether a theme is open.
    bool RefreshTheme();
    HTHEME Theme() const { return mTheme; }

    void EvMouseMove(UINT modKeys, const OWL::TPoint& point);
    void EvMouseLeave();
    void EvThemeChanged() { RefreshTheme(); }

    DECLARE_RESPONSE_TABLE(UxGadgetWindow);

protected:
    int mThemeClass = 1;
    HTHEME mTheme = nullptr;
    UxSizableButtonGadget* mHovered = nullptr;
};

// A gadget window without a border (the recording panes give it its look).
class UxBorderlessGadgetWindow : public UxGadgetWindow {
public:
    using UxGadgetWindow::UxGadgetWindow;
};

} // namespace OvoControls
