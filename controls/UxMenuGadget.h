#pragma once
// Gadgets that open a pop-up menu. In menu mode a left press opens the menu
// below the gadget; in button-menu mode the left button is a plain button and
// the right button opens the menu at the gadget's bottom-left corner. The
// command chosen reaches the owner window as a menu command; the click that
// closed the menu is taken out of the queue so that it does not open it again.

#include <memory>

#include "controls/UxSizableButtonGadget.h"
#include "platform/owl/TMenu.h"
#include "platform/owl/TWindow.h"

namespace Ovo {

class MenuBase : public OWL::TMenu {
public:
    using OWL::TMenu::TMenu;
};

class UxMenuGadget : public UxCustomButtonGadget {
public:
    // The gadget takes the image and the menu; its text is the menu's first
    // item's, centred.
    UxMenuGadget(int id, std::unique_ptr<Gdiplus::Image> image, int themeClass, HMENU menu,
                 OWL::TWindow* owner);

    void LButtonDown(UINT modKeys, const OWL::TPoint& point) override;
    void RButtonDown(UINT modKeys, const OWL::TPoint& point) override;
    void LButtonUp(UINT modKeys, const OWL::TPoint& point) override;
    void RButtonUp(UINT modKeys, const OWL::TPoint& point) override;
    const char* GetTypeName() const override { return "UxMenuGadget"; }

    OWL::TPopupMenu& Menu() { return *mMenu; }
    // Off after construction; whoever owns the gadget may turn it on.
    bool buttonMenuMode = false;
    // What the last TrackPopupMenuEx answered.
    BOOL LastTrackResult() const { return mLastTrack; }

protected:
    void OpenMenu(UINT flags, POINT at);

private:
    std::unique_ptr<OWL::TPopupMenu> mMenu;
    OWL::TWindow* mOwner;
    BOOL mLastTrack = FALSE;
};

class UxButtonMenuGadget : public UxMenuGadget {
public:
    // A text that is not empty replaces the menu item's text; shrink-wraps
    // its height only.
    UxButtonMenuGadget(int id, std::unique_ptr<Gdiplus::Image> image, int themeClass, HMENU menu,
                       OWL::TWindow* owner, const std::u16string& text);
    const char* GetTypeName() const override { return "UxButtonMenuGadget"; }
};

} // namespace Ovo
