#include "controls/UxGadgetWindow.h"

#include <algorithm>

#include "controls/ThemeOpen.h"
#include "controls/UxSizableButtonGadget.h"
#include "platform/user/input_api.h"

namespace OvoControls {

DEFINE_RESPONSE_TABLE1(UxGadgetWindow, OWL::TGadgetWindow)
EV_WM_MOUSEMOVE, EV_WM_MOUSELEAVE, EV_WM_THEMECHANGED, END_RESPONSE_TABLE;

namespace {

LPCWSTR ClassList(int choice) {
    return choice == 1 ? u"BUTTON" : u"TOOLBAR";
}

OWL::TPoint Relative(const OWL::TGadget& g, const OWL::TPoint& p) {
    return OWL::TPoint(p.x - g.GetBounds().left, p.y - g.GetBounds().top);
}

} // namespace

UxGadgetWindow::UxGadgetWindow(OWL::TWindow* parent, OWL::TModule* module)
    : OWL::TGadgetWindow(parent, module) {
    if (PlatformThemes())
        mTheme = TryOpenTheme(GetHandle(), ClassList(mThemeClass));
}

UxGadgetWindow::~UxGadgetWindow() {
    CloseTheme(mTheme);
}

bool UxGadgetWindow::RefreshTheme() {
    CloseTheme(mTheme);
    if (PlatformThemes())
        mTheme = TryOpenTheme(GetHandle(), ClassList(mThemeClass));
    LayoutSession();
    return mTheme != nullptr;
}

void UxGadgetWindow::EvMouseMove(UINT modKeys, const OWL::TPoint& point) {
    auto* gadget = dynamic_cast<UxSizableButtonGadget*>(GadgetFromPoint(point));
    if (gadget != nullptr) {
        gadget->MouseEnter(modKeys, Relative(*gadget, point));
        mHovered = gadget;
    }
    Invalidate(false);
    OWL::TGadgetWindow::EvMouseMove(modKeys, point);
}

void UxGadgetWindow::EvMouseLeave() {
    if (mHovered != nullptr && std::find(mGadgets.begin(), mGadgets.end(), mHovered) != mGadgets.end())
        mHovered->MouseLeave(0, OWL::TPoint(-1, -1));
    mHovered = nullptr;
    mAtMouse = nullptr;
    OWL::TGadgetWindow::EvMouseLeave();
}

} // namespace OvoControls
