#pragma once
// WTL's button wrapper: a window of the system "Button" class with its
// state calls.

#include "platform/atl/CWindow.h"

namespace WTL {

template <class TBase> class CButtonT : public TBase {
public:
    CButtonT(HWND hwnd = nullptr) : TBase(hwnd) {}
    static LPCWSTR GetWndClassName() { return u"Button"; }

    UINT GetState() const { return static_cast<UINT>(this->SendMessage(BM_GETSTATE)); }
    void SetState(BOOL pushed) { this->SendMessage(BM_SETSTATE, static_cast<WPARAM>(pushed)); }
    int GetCheck() const { return static_cast<int>(this->SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { this->SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
};

using CButton = CButtonT<ATL::CWindow>;

} // namespace WTL
