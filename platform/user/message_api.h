#pragma once
// Sending, posting and retrieving messages; the default window procedure.
// SendMessageW calls the window procedure at once and may nest; PostMessageW
// queues. Messages to windows that no longer exist are dropped (result 0).

#include "platform/user/records.h"

inline constexpr UINT PM_NOREMOVE = 0x0000;
inline constexpr UINT PM_REMOVE = 0x0001;

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
BOOL PeekMessageW(MSG* msg, HWND hwnd, UINT filterFirst, UINT filterLast, UINT removeFlags);
// Returns 0 for WM_QUIT, 1 otherwise. With nothing to retrieve it waits on the
// test clock for the next timer; with no timer either it would wait forever,
// and throws std::runtime_error instead.
BOOL GetMessageW(MSG* msg, HWND hwnd, UINT filterFirst, UINT filterLast);
// A WM_KEYDOWN of a key that types a character (a letter, a digit, a keypad
// key, an OEM key of the US layout, space, Enter, Tab, Backspace or Esc)
// queues its WM_CHAR for the same window ahead of everything else; Shift and
// Caps Lock as they are now decide the case and the shifted character, and Ctrl
// with a letter types its control character. TRUE for a key message.
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageW(const MSG* msg);
LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Among its duties: WM_RBUTTONUP raises WM_CONTEXTMENU (wParam the window,
// lParam the screen point), and a child passes an unanswered WM_CONTEXTMENU
// to its parent.
LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
UINT RegisterWindowMessageW(LPCWSTR name);
