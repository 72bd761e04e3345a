#pragma once
// A check box: a button of the system "Button" class with a check state.

#include "platform/owl/TButton.h"

namespace OWL {

inline constexpr UINT BF_UNCHECKED = 0;
inline constexpr UINT BF_CHECKED = 1;

class TCheckBox : public TButton {
public:
    // Style WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX.
    TCheckBox(TWindow* parent, int id, LPCWSTR title, int x, int y, int w, int h, TModule* module = nullptr);
    TCheckBox(TWindow* parent, int resourceId, TModule* module = nullptr);

    UINT GetCheck() const { return static_cast<UINT>(SendMessage(BM_GETCHECK)); }
    void SetCheck(UINT check) const { SendMessage(BM_SETCHECK, check); }
    void Check() const { SetCheck(BF_CHECKED); }
    void Uncheck() const { SetCheck(BF_UNCHECKED); }
    void Toggle() const { SetCheck(GetCheck() == BF_CHECKED ? BF_UNCHECKED : BF_CHECKED); }
};

} // namespace OWL
