#pragma once
// ATL's dialog implementation: an object that answers its dialog's messages
// through a message map, the dialog made from the template T::IDD of the
// module's resources (_AtlBaseModule's resource instance). DoModal runs it
// modally and returns what EndDialog gave; Create makes it modeless. A handled
// message's result reaches the dialog as a dialog procedure's does (through
// DWLP_MSGRESULT, or directly for WM_INITDIALOG and the other messages that
// answer so); unhandled messages get the dialog's default processing. After
// its last message the object lets go of the dialog and OnFinalMessage runs.

#include "platform/atl/CWindowImpl.h"

namespace ATL {

// The module whose resources dialogs are made from.
class CAtlBaseModule {
public:
    HINSTANCE GetResourceInstance() const { return mResourceInstance; }
    void SetResourceInstance(HINSTANCE instance) { mResourceInstance = instance; }

private:
    HINSTANCE mResourceInstance = nullptr;
};

extern CAtlBaseModule _AtlBaseModule;

// The part of every dialog implementation that does not depend on its base.
class CDialogImplBaseT : public CWindowImplRoot {
protected:
    INT_PTR DoModalImpl(WORD templateId, HWND parent, LPARAM init);
    HWND CreateImpl(WORD templateId, HWND parent, LPARAM init);
    static INT_PTR DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

template <class T, class TBase = CWindow> class CDialogImpl : public TBase, public CDialogImplBaseT {
public:
    INT_PTR DoModal(HWND parent = ::GetActiveWindow(), LPARAM init = 0) {
        return DoModalImpl(static_cast<WORD>(T::IDD), parent, init);
    }
    HWND Create(HWND parent, LPARAM init = 0) { return CreateImpl(static_cast<WORD>(T::IDD), parent, init); }
    BOOL EndDialog(INT_PTR result) { return ::EndDialog(this->m_hWnd, result); }

protected:
    HWND& Handle() override { return this->m_hWnd; }
};

} // namespace ATL

// LRESULT func(WORD notifyCode, WORD id, HWND control, BOOL& bHandled)
#define COMMAND_HANDLER(id, code, func)                                                                      \
    if (uMsg == WM_COMMAND && LOWORD(static_cast<DWORD>(wParam)) == (id) &&                                  \
        HIWORD(static_cast<DWORD>(wParam)) == (code)) {                                                      \
        bHandled = TRUE;                                                                                     \
        lResult = func(HIWORD(static_cast<DWORD>(wParam)), LOWORD(static_cast<DWORD>(wParam)),               \
                       reinterpret_cast<HWND>(lParam), bHandled);                                            \
        if (bHandled)                                                                                        \
            return TRUE;                                                                                     \
    }
