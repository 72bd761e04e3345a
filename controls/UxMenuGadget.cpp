#include "controls/UxMenuGadget.h"

#include "platform/owl/TGadgetWindow.h"
#include "platform/user/message_api.h"
#include "platform/user/window_api.h"

namespace Ovo {

UxMenuGadget::UxMenuGadget(int id, std::unique_ptr<Gdiplus::Image> image, int themeClass, HMENU menu,
                           OWL::TWindow* owner)
    : UxCustomButtonGadget(id, sBitmapText, Command, true, Up, false, 0, themeClass, std::move(image)),
      mMenu(std::make_unique<OWL::TPopupMenu>(menu, true)), mOwner(owner) {
    SetShrinkWrap(true, true);
    if (mMenu->GetMenuItemCount() > 0)
        mText = mMenu->GetMenuString(0, MF_BYPOSITION, 512);
    mAlign = Center;
}

void UxMenuGadget::OpenMenu(UINT flags, POINT at) {
    if (mWindow == nullptr)
        return;
    POINT topLeft{mBounds.left, mBounds.top}, bottomRight{mBounds.right, mBounds.bottom};
    ClientToScreen(mWindow->GetHandle(), &topLeft);
    ClientToScreen(mWindow->GetHandle(), &bottomRight);
    ClientToScreen(mWindow->GetHandle(), &at);
    const TPMPARAMS exclude{sizeof(TPMPARAMS), RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}};
    mLastTrack =
        TrackPopupMenuEx(*mMenu, flags, at.x, at.y, mOwner ? mOwner->GetHandle() : nullptr, &exclude);
    // The click on this gadget that closed the menu must not open it again;
    // a quick one arrives as a double click.
    const HWND h = mWindow->GetHandle();
    for (const UINT click : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        MSG pending{};
        if (PeekMessageW(&pending, h, click, click, PM_NOREMOVE) &&
            mBounds.Contains(POINT{GET_X_LPARAM(pending.lParam), GET_Y_LPARAM(pending.lParam)}))
            PeekMessageW(&pending, h, click, click, PM_REMOVE);
    }
    if (mPressed)
        CancelPressed(OWL::TPoint(0, 0));
}

void UxMenuGadget::LButtonDown(UINT modKeys, const OWL::TPoint& point) {
    if (buttonMenuMode) {
        UxCustomButtonGadget::LButtonDown(modKeys, point);
        return;
    }
    BeginPressed(point);
    OpenMenu(TPM_VERTICAL, POINT{mBounds.left, mBounds.top});
}

void UxMenuGadget::RButtonDown(UINT modKeys, const OWL::TPoint& point) {
    if (!buttonMenuMode) {
        UxCustomButtonGadget::RButtonDown(modKeys, point);
        return;
    }
    OpenMenu(0, POINT{mBounds.left, mBounds.bottom});
}

void UxMenuGadget::LButtonUp(UINT modKeys, const OWL::TPoint& point) {
    if (buttonMenuMode)
        UxCustomButtonGadget::LButtonUp(modKeys, point);
    if (mPressed)
        CancelPressed(point, true);
}

void UxMenuGadget::RButtonUp(UINT modKeys, const OWL::TPoint& point) {
    UxCustomButtonGadget::RButtonUp(modKeys, point);
    if (mPressed)
        CancelPressed(point, true);
}

UxButtonMenuGadget::UxButtonMenuGadget(int id, std::unique_ptr<Gdiplus::Image> image, int themeClass,
                                       HMENU menu, OWL::TWindow* owner, const std::u16string& text)
    : UxMenuGadget(id, std::move(image), themeClass, menu, owner) {
    if (!text.empty())
        SetText(text);
    SetShrinkWrap(false, true);
}

} // namespace Ovo
