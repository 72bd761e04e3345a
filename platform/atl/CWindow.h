#pragma once
// ATL's window handle wrapper: an HWND with the usual calls as members, and
// the window-traits template that gives a window class its default styles.

#include "platform/user/user.h"

namespace ATL {

class CWindow {
public:
    CWindow(HWND hwnd = nullptr) : m_hWnd(hwnd) {}
    operator HWND() const { return m_hWnd; }
    static LPCWSTR GetWndClassName() { return nullptr; }

    BOOL IsWindow() const { return ::IsWindow(m_hWnd); }
    BOOL DestroyWindow() { return ::DestroyWindow(m_hWnd); }
    BOOL GetClientRect(RECT* r) const { return ::GetClientRect(m_hWnd, r); }
    BOOL GetWindowRect(RECT* r) const { return ::GetWindowRect(m_hWnd, r); }
    BOOL Invalidate(BOOL erase = TRUE) { return ::InvalidateRect(m_hWnd, nullptr, erase); }
    BOOL UpdateWindow() { return ::UpdateWindow(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL SetWindowText(LPCWSTR text) { return ::SetWindowTextW(m_hWnd, text); }
    int GetWindowText(LPWSTR buffer, int length) const { return ::GetWindowTextW(m_hWnd, buffer, length); }
    int GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
    BOOL MoveWindow(int x, int y, int w, int h, BOOL repaint = TRUE) {
        return ::MoveWindow(m_hWnd, x, y, w, h, repaint);
    }
    BOOL SetWindowPos(HWND after, int x, int y, int w, int h, UINT flags) {
        return ::SetWindowPos(m_hWnd, after, x, y, w, h, flags);
    }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    HDC GetDC() { return ::GetDC(m_hWnd); }
    HDC GetWindowDC() { return ::GetWindowDC(m_hWnd); }
    int ReleaseDC(HDC dc) { return ::ReleaseDC(m_hWnd, dc); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    HWND SetCapture() { return ::SetCapture(m_hWnd); }
    BOOL ScreenToClient(POINT* p) const { return ::ScreenToClient(m_hWnd, p); }
    BOOL ClientToScreen(POINT* p) const { return ::ClientToScreen(m_hWnd, p); }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    BOOL CheckDlgButton(int id, UINT check) { return ::CheckDlgButton(m_hWnd, id, check); }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendDlgItemMessageW(m_hWnd, id, message, wParam, lParam);
    }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }

    HWND m_hWnd;
};

template <DWORD Style = 0, DWORD ExStyle = 0> class CWinTraits {
public:
    static DWORD GetWndStyle(DWORD style) { return style == 0 ? Style : style; }
    static DWORD GetWndExStyle(DWORD exStyle) { return exStyle == 0 ? ExStyle : exStyle; }
};

using CControlWinTraits = CWinTraits<WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0>;
using CWindowTraits = CWinTraits<WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0>;

} // namespace ATL
