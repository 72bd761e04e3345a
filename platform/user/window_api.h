#pragma once
// Window classes, windows and their tree, geometry, visibility, enabled state,
// text, window longs, focus and capture.
//
// Creation sends WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE and,
// for a window created visible, WM_SHOWWINDOW. DestroyWindow destroys owned
// windows first, hides the window (focus and capture leave it), then sends
// WM_DESTROY parent first and WM_NCDESTROY children first. MoveWindow and
// SetWindowPos send WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED and,
// through DefWindowProcW, WM_MOVE and WM_SIZE before they return.

#include <string>

#include "platform/user/records.h"
#include "platform/user/styles.h"

ATOM RegisterClassW(const WNDCLASSW* description);
// Fails while a window of the class exists.
BOOL UnregisterClassW(LPCWSTR className, HINSTANCE instance);
int GetClassNameW(HWND hwnd, LPWSTR buffer, int bufferLength);
ULONG_PTR GetClassLongPtrW(HWND hwnd, int index);
ULONG_PTR SetClassLongPtrW(HWND hwnd, int index, LONG_PTR value);

// parent is the parent of a WS_CHILD window (required) and the owner of any
// other; menu is a child's control id.
HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

// A child's parent, a WS_POPUP window's owner, otherwise null.
HWND GetParent(HWND hwnd);
// Moves a child window under another parent (last in its z-order), keeping its
// rectangle in parent-client coordinates; the old parent. Null (nothing done)
// for a window that is no child, an unknown parent or one inside the window.
HWND SetParent(HWND hwnd, HWND parent);
HWND GetWindow(HWND hwnd, UINT relation);
BOOL IsChild(HWND parent, HWND hwnd);
HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND hwnd);

BOOL GetWindowRect(HWND hwnd, RECT* rect);
BOOL GetClientRect(HWND hwnd, RECT* rect);
BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
// Maps from the client coordinates of one window to another's; null means the
// screen. Returns the offset as MAKELONG(dx, dy) of signed words.
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);

// Returns whether the window was visible before.
BOOL ShowWindow(HWND hwnd, int command);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
BOOL IsIconic(HWND hwnd);
// Returns whether the window was disabled before.
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text);
int GetWindowTextW(HWND hwnd, LPWSTR buffer, int bufferLength);
int GetWindowTextLengthW(HWND hwnd);

// Pointer-sized longs: GWLP_WNDPROC (subclassing: returns the previous
// procedure), GWLP_USERDATA, GWLP_ID, GWLP_HINSTANCE, GWLP_HWNDPARENT, GWL_STYLE,
// GWL_EXSTYLE and offsets into the window's extra bytes.
LONG_PTR GetWindowLongPtrW(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value);
// 32-bit longs: only GWL_STYLE, GWL_EXSTYLE, GWL_ID and extra bytes; a pointer
// does not fit in 32 bits, so the pointer indices fail and return 0.
LONG GetWindowLongW(HWND hwnd, int index);
LONG SetWindowLongW(HWND hwnd, int index, LONG value);

// WM_KILLFOCUS to the old window (wParam = new) then WM_SETFOCUS to the new one
// (wParam = old); GetFocus already answers the new window in both. Returns the
// previous focus; fails (null) for a disabled or invalid window.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
// The top-level window that holds the focus, or null (windows are not activated otherwise here).
HWND GetActiveWindow();
// The window losing the capture gets WM_CAPTURECHANGED (lParam = new capture).
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

// Top-level windows in z-order, topmost first, until the callback answers FALSE:
// this process's and those registered for other processes
// (user::RegisterOtherProcessWindow).
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);
BOOL EnumWindows(WNDENUMPROC callback, LPARAM lParam);
// The window's thread and, when pid is given, its process: this process and its
// one user-interface thread, or the other process a window was registered for
// (whose thread id is then its process id).
DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* pid);

// Shows the window as ShowWindow does, recorded as an effect ("ShowWindowAsync",
// "<title>|<command>"); FALSE for no window.
BOOL ShowWindowAsync(HWND hwnd, int command);
// Recorded as an effect ("SetForegroundWindow", "<title>"); the window comes to
// the top of the z-order. FALSE for no window.
BOOL SetForegroundWindow(HWND hwnd);

struct WINDOWPLACEMENT {
    UINT length;
    UINT flags;
    UINT showCmd;
    POINT ptMinPosition;
    POINT ptMaxPosition;
    RECT rcNormalPosition;
};
static_assert(sizeof(WINDOWPLACEMENT) == 44);
// showCmd: SW_SHOWMINIMIZED for a minimised window, SW_SHOWMAXIMIZED for a
// maximised one, otherwise SW_SHOWNORMAL (a hidden window too). The length
// must be set.
BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);

struct WINDOWINFO {
    DWORD cbSize;
    RECT rcWindow;
    RECT rcClient; // screen coordinates
    DWORD dwStyle;
    DWORD dwExStyle;
    DWORD dwWindowStatus;
    UINT cxWindowBorders;
    UINT cyWindowBorders;
    ATOM atomWindowType;
    WORD wCreatorVersion;
};
static_assert(sizeof(WINDOWINFO) == 60);
BOOL GetWindowInfo(HWND hwnd, WINDOWINFO* info);

// The window takes the region (window coordinates) and deletes it when it
// gets another or goes; null removes it. The region clips painting and the
// pointer's hit testing; with redraw the window repaints.
int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
// Copies the window's region into region: its complexity, or ERROR (0) when
// the window has none.
int GetWindowRgn(HWND hwnd, HRGN region);

inline constexpr DWORD AW_HIDE = 0x00010000;
inline constexpr DWORD AW_ACTIVATE = 0x00020000;
inline constexpr DWORD AW_BLEND = 0x00080000;
// Shows (SW_SHOWNA) or hides (AW_HIDE) the window at once; recorded as an
// effect ("AnimateWindow", "time flags").
BOOL AnimateWindow(HWND hwnd, DWORD time, DWORD flags);

namespace user {
// A top-level window of another process, with its title: it is enumerated,
// answers its title and its process, and can be shown and brought forward;
// its messages go to the default window procedure. It is created hidden and
// shown without activation; DestroyWindow removes it.
HWND RegisterOtherProcessWindow(const std::u16string& title, DWORD pid);

// Called with every new window before its first message, as a window
// framework's creation hook is, so the framework can bind its object to the
// handle and subclass a system control from its very first message. Returns
// the hook it replaces; null removes it.
using CreationHook = void (*)(HWND);
CreationHook SetCreationHook(CreationHook hook);
} // namespace user
