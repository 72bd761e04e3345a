#pragma once
// The pointer, the keyboard and the hooks that watch them.
//
// Input comes from the test (platform/user/Input.h): the pointer moves and
// buttons and keys go down and up, and each event is queued as the message
// the platform would queue. Mouse messages go to the window with the capture,
// else to the window under the pointer (WM_NCHITTEST decides; HTTRANSPARENT
// passes the point on to what lies below); over a non-client part they are
// the non-client messages. Before a mouse message is queued without a
// capture, the window under the pointer gets WM_SETCURSOR. Key messages go to
// the focus window. WH_MOUSE and WH_KEYBOARD hooks see each input message when
// it is taken from the queue, before the window does, and may swallow it;
// WH_CALLWNDPROCRET hooks see every sent message after its window answered.

#include "platform/user/records.h"

// Virtual keys.
inline constexpr int VK_LBUTTON = 0x01;
inline constexpr int VK_RBUTTON = 0x02;
inline constexpr int VK_MBUTTON = 0x04;
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;
inline constexpr int VK_CAPITAL = 0x14;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_PRIOR = 0x21;
inline constexpr int VK_NEXT = 0x22;
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
// The digit and letter keys are their characters: '0' to '9', 'A' to 'Z'.
inline constexpr int VK_APPS = 0x5D;
inline constexpr int VK_NUMPAD0 = 0x60; // to VK_NUMPAD0 + 9
inline constexpr int VK_MULTIPLY = 0x6A;
inline constexpr int VK_ADD = 0x6B;
inline constexpr int VK_SUBTRACT = 0x6D;
inline constexpr int VK_DECIMAL = 0x6E;
inline constexpr int VK_DIVIDE = 0x6F;
inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_LSHIFT = 0xA0;
inline constexpr int VK_RSHIFT = 0xA1;
inline constexpr int VK_LCONTROL = 0xA2;
inline constexpr int VK_RCONTROL = 0xA3;
// OEM keys, named by what they type on the US layout.
inline constexpr int VK_OEM_1 = 0xBA;     // ; :
inline constexpr int VK_OEM_PLUS = 0xBB;  // = +
inline constexpr int VK_OEM_COMMA = 0xBC; // , <
inline constexpr int VK_OEM_MINUS = 0xBD; // - _
inline constexpr int VK_OEM_PERIOD = 0xBE;
inline constexpr int VK_OEM_2 = 0xBF; // / ?
inline constexpr int VK_OEM_3 = 0xC0; // ` ~
inline constexpr int VK_OEM_4 = 0xDB; // [ {
inline constexpr int VK_OEM_5 = 0xDC; // \ |
inline constexpr int VK_OEM_6 = 0xDD; // ] }
inline constexpr int VK_OEM_7 = 0xDE; // ' "

// Key and button flags of mouse messages.
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;

inline constexpr int WHEEL_DELTA = 120;

// The pointer in screen coordinates.
BOOL GetCursorPos(POINT* point);
// Moves the pointer as the user would: the move is queued like any other.
BOOL SetCursorPos(int x, int y);
// High bit (0x8000, the result negative) while the key is down; bit 0 toggles
// on each press. The left- and right-hand keys are kept apart; VK_SHIFT and
// VK_CONTROL are down while either of theirs is. The keys' state is the
// present one, not that of the message being answered. For the mouse buttons
// GetAsyncKeyState tells the physical button and GetKeyState the logical one,
// which differ while SM_SWAPBUTTON swaps them.
SHORT GetKeyState(int key);
SHORT GetAsyncKeyState(int key);
UINT GetDoubleClickTime();

// The deepest visible window under the screen point that does not answer
// HTTRANSPARENT; null over no window.
HWND WindowFromPoint(POINT point);

// Leave tracking: one WM_MOUSELEAVE when the pointer stops being over the
// window's client area (it leaves, or moves onto a child or another window),
// then tracking ends and must be asked for again. Asked for while the pointer
// is elsewhere, the notice comes at once. TME_CANCEL ends it without one.
inline constexpr DWORD TME_HOVER = 0x00000001;
inline constexpr DWORD TME_LEAVE = 0x00000002;
inline constexpr DWORD TME_NONCLIENT = 0x00000010;
inline constexpr DWORD TME_QUERY = 0x40000000;
inline constexpr DWORD TME_CANCEL = 0x80000000;
inline constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;

struct TRACKMOUSEEVENT {
    DWORD cbSize;
    DWORD dwFlags;
    HWND hwndTrack;
    DWORD dwHoverTime;
};
static_assert(sizeof(TRACKMOUSEEVENT) == 24); // 16 in a 32-bit build

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);

// Hooks of the one user-interface thread.
inline constexpr int WH_KEYBOARD = 2;
inline constexpr int WH_CALLWNDPROCRET = 12;
inline constexpr int WH_MOUSE = 7;
inline constexpr int HC_ACTION = 0;

struct HHOOK__;
using HHOOK = HHOOK__*;
using HOOKPROC = LRESULT (*)(int code, WPARAM wParam, LPARAM lParam);

// lParam of a WH_MOUSE hook; wParam is the message.
struct MOUSEHOOKSTRUCT {
    POINT pt;
    HWND hwnd;
    UINT wHitTestCode;
    ULONG_PTR dwExtraInfo;
};

// lParam of a WH_CALLWNDPROCRET hook.
struct CWPRETSTRUCT {
    LRESULT lResult;
    LPARAM lParam;
    WPARAM wParam;
    UINT message;
    HWND hwnd;
};

// threadId 0 or the current thread; the newest hook is called first and
// reaches the next through CallNextHookEx.
HHOOK SetWindowsHookExW(int kind, HOOKPROC proc, HINSTANCE instance, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
