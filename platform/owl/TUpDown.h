#pragma once
// An up-down control: a TWindow over the system "msctls_updown32" class,
// new or an alias of a dialog's control.

#include "platform/owl/TWindow.h"
#include "platform/user/updown.h"

namespace OWL {

class TUpDown : public TWindow {
public:
    // Style WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT; the buddy,
    // when given, is attached at set-up.
    TUpDown(TWindow* parent, int id, int x, int y, int w, int h, TWindow* buddy = nullptr,
            TModule* module = nullptr);
    TUpDown(TWindow* parent, int resourceId, TWindow* buddy = nullptr, TModule* module = nullptr);

    void SetRange(int lower, int upper) const;
    void GetRange(int& lower, int& upper) const;
    int SetPos(int pos) const;
    int GetPos() const;
    HWND SetBuddy(HWND buddy) const;
    HWND GetBuddy() const;

protected:
    LPCWSTR GetClassName() const override { return UPDOWN_CLASSW; }
    void SetupWindow() override;

private:
    TWindow* mBuddy;
};

} // namespace OWL
