#pragma once
// Dialog keys: the navigation that IsDialogMessageW gives a dialog (or any
// window holding controls), and what a control answers WM_GETDLGCODE with to
// keep keys for itself.

#include "platform/user/records.h"

// WM_GETDLGCODE answers (wParam: the key, lParam: the MSG or null).
inline constexpr LRESULT DLGC_WANTARROWS = 0x0001;
inline constexpr LRESULT DLGC_WANTTAB = 0x0002;
inline constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
inline constexpr LRESULT DLGC_WANTMESSAGE = 0x0004;
inline constexpr LRESULT DLGC_HASSETSEL = 0x0008;
inline constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
inline constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
inline constexpr LRESULT DLGC_RADIOBUTTON = 0x0040;
inline constexpr LRESULT DLGC_WANTCHARS = 0x0080;
inline constexpr LRESULT DLGC_STATIC = 0x0100;
inline constexpr LRESULT DLGC_BUTTON = 0x2000;

// The dialog's default push button: answered as MAKELRESULT(id, DC_HASDEFID).
inline constexpr UINT DM_GETDEFID = 0x0400;
inline constexpr WORD DC_HASDEFID = 0x534B;

// Takes a message meant for the dialog or a window inside it and handles it as
// a dialog does; FALSE (nothing done) for any other message. Key-downs that
// the focus control does not keep (WM_GETDLGCODE) navigate: Tab and
// Shift+Tab move the focus to the next or previous WS_TABSTOP control (and
// select an edit's text, DLGC_HASSETSEL), the arrow keys to the next or
// previous control of the focus's group, Enter sends WM_COMMAND (IDOK, or the
// default push button's id, BN_CLICKED) and Esc WM_COMMAND (IDCANCEL) to the
// dialog. Every other message for the dialog is translated and dispatched.
// Children with WS_EX_CONTROLPARENT are searched for controls as part of the
// dialog.
BOOL IsDialogMessageW(HWND dialog, MSG* msg);
// The next (or, with previous, the previous) visible, enabled control with
// WS_TABSTOP after control in the dialog's tab order, wrapping around; control
// null starts at the beginning. Null when there is none.
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
// The next or previous visible, enabled control of control's group (a group
// runs from a WS_GROUP control to the next one), wrapping within the group.
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
