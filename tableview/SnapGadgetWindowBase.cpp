#include "tableview/SnapGadgetWindowBase.h"

#include "controls/UxSizableButtonGadget.h"
#include "platform/theme/uxtheme.h"
#include "resources/ModuleImages.h"

namespace TVF_Grid {

namespace {

// The toggle: borders of 3 pixels on each side, margins left 1, top 3,
// right 2, bottom 4, shrink-wrapped both ways, with its tooltip.
class SnapButton : public UxSizableButtonGadget {
public:
    SnapButton() : UxSizableButtonGadget(kToggleLatestCommand, Tarvik::kFollowLatestPng, NonExclusive) {
        mBorders = OWL::TRect(3, 3, 3, 3);
        SetMargins(OWL::TRect(1, 3, 2, 4));
        SetShrinkWrap(true, true);
        SetFlags(GetFlags() & ~0x8u); // not the text kind's flag
        SetTipText(SnapGadgetWindowBase::TipText());
    }
};

} // namespace

DEFINE_RESPONSE_TABLE1(SnapGadgetWindowBase, OvoControls::UxBorderlessGadgetWindow)
EV_WM_ERASEBKGND, END_RESPONSE_TABLE;

SnapGadgetWindowBase::SnapGadgetWindowBase(OWL::TWindow* parentGrid)
    : OvoControls::UxBorderlessGadgetWindow(parentGrid) {}

void SnapGadgetWindowBase::SetupWindow() {
    mButton = new SnapButton();
    Insert(*mButton);
    OvoControls::UxBorderlessGadgetWindow::SetupWindow();
}

bool SnapGadgetWindowBase::Pressed() const {
    return mButton != nullptr && mButton->GetButtonState() == OWL::TButtonGadget::Down;
}

void SnapGadgetWindowBase::SetPressed(bool on) {
    if (mButton == nullptr)
        return;
    mButton->SetButtonState(on ? OWL::TButtonGadget::Down : OWL::TButtonGadget::Up);
}

bool SnapGadgetWindowBase::EvEraseBkgnd(HDC dc) {
    theme::DrawThemeParentBackground(GetHandle(), dc, nullptr);
    return true;
}

} // namespace TVF_Grid
