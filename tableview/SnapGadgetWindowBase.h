#pragma once
// TVF_Grid::SnapGadgetWindowBase: the one-button toolbar of a main grid that
// switches "always show the latest row while sampling". It sits below the
// grid's vertical scroll bar; its toggle sends command 1006 to the grid.

#include "controls/UxGadgetWindow.h"

class UxSizableButtonGadget;

namespace TVF_Grid {

inline constexpr int kToggleLatestCommand = 1006;

class SnapGadgetWindowBase : public OvoControls::UxBorderlessGadgetWindow {
public:
    explicit SnapGadgetWindowBase(OWL::TWindow* parentGrid);

    // The toggle's pressed state.
    bool Pressed() const;
    void SetPressed(bool on);
    // The toggle button, once the window is set up.
    UxSizableButtonGadget* Button() const { return mButton; }
    // The button's tooltip text.
    static const char16_t* TipText() { return u"Toggle 'always show latest row when sampling'"; }

    // The parent's themed background behind the toolbar.
    bool EvEraseBkgnd(HDC dc);

    DECLARE_RESPONSE_TABLE(SnapGadgetWindowBase);

protected:
    void SetupWindow() override;

private:
    UxSizableButtonGadget* mButton = nullptr;
};

} // namespace TVF_Grid
