#pragma once
// Buttons: a push button (TButton), a check box (TCheckBox) and a radio button
// (TRadioButton), TWindows over the system "Button" class, new or aliases of
// a dialog's controls.

#include "platform/owl/TWindow.h"
#include "platform/user/button.h"

namespace OWL {

class TButton : public TWindow {
public:
    // Style WS_CHILD | WS_VISIBLE | WS_TABSTOP and BS_DEFPUSHBUTTON or BS_PUSHBUTTON.
    TButton(TWindow* parent, int id, LPCWSTR text, int x, int y, int w, int h, bool isDefault = false,
            TModule* module = nullptr);
    // An alias of the parent's control of that id.
    TButton(TWindow* parent, int resourceId, TModule* module = nullptr)
        : TWindow(parent, resourceId, module) {}

protected:
    LPCWSTR GetClassName() const override { return u"Button"; }
};

class TCheckBox : public TButton {
public:
    // An automatic check box, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX.
    TCheckBox(TWindow* parent, int id, LPCWSTR text, int x, int y, int w, int h, TModule* module = nullptr);
    TCheckBox(TWindow* parent, int resourceId, TModule* module = nullptr)
        : TButton(parent, resourceId, module) {}

    // BF_UNCHECKED, BF_CHECKED or BF_GRAYED.
    UINT GetCheck() const { return static_cast<UINT>(SendMessage(BM_GETCHECK)); }
    void SetCheck(UINT check) const { SendMessage(BM_SETCHECK, check); }
    void Check() const { SetCheck(BST_CHECKED); }
    void Uncheck() const { SetCheck(BST_UNCHECKED); }
    void Toggle() const { SetCheck(GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED); }
};

class TRadioButton : public TCheckBox {
public:
    // An automatic radio button, WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON.
    TRadioButton(TWindow* parent, int id, LPCWSTR text, int x, int y, int w, int h,
                 TModule* module = nullptr);
    TRadioButton(TWindow* parent, int resourceId, TModule* module = nullptr)
        : TCheckBox(parent, resourceId, module) {}
};

inline constexpr UINT BF_UNCHECKED = 0;
inline constexpr UINT BF_CHECKED = 1;
inline constexpr UINT BF_GRAYED = 2;

} // namespace OWL
