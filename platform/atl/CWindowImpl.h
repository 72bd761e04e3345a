#pragma once
// ATL's window implementation: an object that answers its window's messages
// through a message map (BEGIN_MSG_MAP ... END_MSG_MAP, generating
// ProcessWindowMessage), made with Create (a class of its own, registered on
// first use) or by subclassing an existing window (SubclassWindow, keeping
// the window's previous procedure for DefWindowProc). After its last message
// (WM_NCDESTROY) the object lets go of the window and, once no message of it
// is being answered any more, OnFinalMessage runs; an object may delete
// itself there. Handlers set bHandled to FALSE to pass a
// message on; each message has its own bHandled, so nested dispatch keeps
// the outer one.

#include <string>

#include "platform/atl/CWindow.h"

namespace ATL {

class CMessageMap {
public:
    virtual BOOL ProcessWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                                      DWORD mapId = 0) = 0;

protected:
    ~CMessageMap() = default;
};

// The part of every window implementation that does not depend on its base.
class CWindowImplRoot : public CMessageMap {
public:
    virtual ~CWindowImplRoot();
    virtual WNDPROC GetWindowProc() { return &WindowProc; }
    virtual void OnFinalMessage(HWND) {}

    // The window's previous procedure (subclassing) or the default one.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefWindowProc();
    // The message being answered, for handlers that need it whole.
    const MSG* GetCurrentMessage() const { return mCurrent; }

    WNDPROC m_pfnSuperWindowProc = nullptr;

protected:
    CWindowImplRoot() = default;
    virtual HWND& Handle() = 0;
    HWND CreateImpl(LPCWSTR className, WNDPROC classProc, HWND parent, const RECT& rect, LPCWSTR name,
                    DWORD style, DWORD exStyle, UINT_PTR id, void* param);
    BOOL SubclassImpl(HWND hwnd);
    HWND UnsubclassImpl();

    static LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend struct CWindowImplAccess;
    friend struct CDialogAccess;
    const MSG* mCurrent = nullptr;
    int mDepth = 0;         // messages being answered, nested sends included
    bool mFinalDue = false; // WM_NCDESTROY answered; OnFinalMessage once the outermost returns
};

template <class T, class TBase = CWindow, class TWinTraits = CControlWinTraits>
class CWindowImpl : public TBase, public CWindowImplRoot {
public:
    HWND Create(HWND parent, RECT rect, LPCWSTR name = nullptr, DWORD style = 0, DWORD exStyle = 0,
                UINT_PTR id = 0, void* param = nullptr) {
        return CreateImpl(ClassName().c_str(), &WindowProc, parent, rect, name,
                          TWinTraits::GetWndStyle(style), TWinTraits::GetWndExStyle(exStyle), id, param);
    }
    BOOL SubclassWindow(HWND hwnd) { return SubclassImpl(hwnd); }
    HWND UnsubclassWindow() { return UnsubclassImpl(); }

    using CWindowImplRoot::DefWindowProc;

protected:
    HWND& Handle() override { return this->m_hWnd; }

private:
    // A class name of its own for each implementation.
    static const std::u16string& ClassName() {
        static const std::u16string name = [] {
            static const char anchor = 0;
            const std::string text = "ATL:" + std::to_string(reinterpret_cast<std::uintptr_t>(&anchor));
            return std::u16string(text.begin(), text.end());
        }();
        return name;
    }
};

} // namespace ATL

// Message maps.
#define BEGIN_MSG_MAP(theClass)                                                                              \
public:                                                                                                      \
    BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,          \
                              DWORD dwMsgMapID = 0) override {                                               \
        BOOL bHandled = TRUE;                                                                                \
        (void)hWnd;                                                                                          \
        (void)wParam;                                                                                        \
        (void)lParam;                                                                                        \
        (void)bHandled;                                                                                      \
        switch (dwMsgMapID) {                                                                                \
        case 0:

#define ALT_MSG_MAP(mapId)                                                                                   \
    break;                                                                                                   \
    case mapId:

// LRESULT func(UINT message, WPARAM, LPARAM, BOOL& bHandled)
#define MESSAGE_HANDLER(msg, func)                                                                           \
    if (uMsg == (msg)) {                                                                                     \
        bHandled = TRUE;                                                                                     \
        lResult = func(uMsg, wParam, lParam, bHandled);                                                      \
        if (bHandled)                                                                                        \
            return TRUE;                                                                                     \
    }

#define MESSAGE_RANGE_HANDLER(first, last, func)                                                             \
    if (uMsg >= (first) && uMsg <= (last)) {                                                                 \
        bHandled = TRUE;                                                                                     \
        lResult = func(uMsg, wParam, lParam, bHandled);                                                      \
        if (bHandled)                                                                                        \
            return TRUE;                                                                                     \
    }

// LRESULT func(WORD notifyCode, WORD id, HWND control, BOOL& bHandled)
#define COMMAND_ID_HANDLER(id, func)                                                                         \
    if (uMsg == WM_COMMAND && LOWORD(static_cast<DWORD>(wParam)) == (id)) {                                  \
        bHandled = TRUE;                                                                                     \
        lResult = func(HIWORD(static_cast<DWORD>(wParam)), LOWORD(static_cast<DWORD>(wParam)),               \
                       reinterpret_cast<HWND>(lParam), bHandled);                                            \
        if (bHandled)                                                                                        \
            return TRUE;                                                                                     \
    }

#define CHAIN_MSG_MAP(theChainClass)                                                                         \
    if (theChainClass::ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult))                            \
        return TRUE;

#define END_MSG_MAP()                                                                                        \
    break;                                                                                                   \
    default:                                                                                                 \
        break;                                                                                               \
        }                                                                                                    \
        return FALSE;                                                                                        \
        }
