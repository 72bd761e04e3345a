#include "tableview/SnapGadgetWindowBase.h"

#include "controls/UxSizableButtonGadget.h"
#include "platform/theme/uxtheme.h"
#include "resources/ModuleImages.h"

namespace TVF_Grid {

namespace {

// The toggle with borders of 3 pixels on each side, shrink-wrapped both ways.
class SnapButton : public UxSizableButtonGadget {
public:
    SnapButton() : UxSizableButtonGadget(kToggleLatestCommand, Tarvik::kFollowLatestPng, NonExclusive) {
        mBorders = OWL::TRect(3, 3, 3, 3);
        SetShrinkWrap(true, true);
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
