#pragma once
// Dialog keys: the navigation that IsDialogMessageW gives a dialog (or any
// window holding controls), and what a control answers WM_GETDLGCODE with to
// keep keys for itself.

#include "platform/user/records.h"
#include "platform/win32/resources.h"

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

// --- Dialogs from templates ----------------------------------------------------------------------
//
// A template (DLGTEMPLATE, as the platform lays it out in memory and in RT_DIALOG resources; see
// user::DialogTemplate for building one) gives the dialog's style, its size in dialog units, its
// caption and font, and its controls in tab order. The dialog is a window of the dialog class
// ("#32770", DefDlgProcW as its procedure) unless the template names another; its dialog procedure
// (DWLP_DLGPROC) answers its messages: TRUE when it handled one, its result in DWLP_MSGRESULT
// (WM_INITDIALOG, WM_CTLCOLOR* and the other messages that answer directly return the value
// itself). FALSE leaves the message to the dialog's default processing: WM_CLOSE clicks Cancel
// (WM_COMMAND IDCANCEL), DM_GETDEFID answers the default push button, WM_GETFONT the dialog's font.
//
// Creation maps the template's dialog units to pixels with the dialog font's base units, makes the
// dialog hidden, sends it WM_SETFONT (DS_SETFONT), makes each control (WS_CHILD, the dialog font),
// sends WM_INITDIALOG (wParam the first tab-stop control, lParam the caller's value) and, when the
// procedure answers TRUE, gives that control the focus; then shows a WS_VISIBLE dialog. A popup
// dialog's position is in dialog units from its owner's client origin, or centred on the monitor's
// work area (DS_CENTER).
//
// A modal dialog (DialogBox*) disables its owner and runs a nested message loop until EndDialog.
// Nobody sees it here: the platform records it and runs what the test queued for it
// (user::ScriptedDialogs through user::Desktop), a script that acts on its controls as a user
// would; the loop then dispatches what the script left queued. A dialog still open when nothing
// is left to dispatch is a test failure (user::UnexpectedDialog), as is one nothing was queued for.

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

inline constexpr DWORD DS_ABSALIGN = 0x0001;
inline constexpr DWORD DS_SYSMODAL = 0x0002;
inline constexpr DWORD DS_3DLOOK = 0x0004;
inline constexpr DWORD DS_FIXEDSYS = 0x0008;
inline constexpr DWORD DS_SETFONT = 0x0040;
inline constexpr DWORD DS_MODALFRAME = 0x0080;
inline constexpr DWORD DS_CONTROL = 0x0400;
inline constexpr DWORD DS_CENTER = 0x0800;
inline constexpr DWORD DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;

// The dialog class's window extra bytes and the offsets in them.
inline constexpr int DLGWINDOWEXTRA = 30;
inline constexpr int DWLP_MSGRESULT = 0;
inline constexpr int DWLP_DLGPROC = 8;
inline constexpr int DWLP_USER = 16;

inline constexpr UINT DM_SETDEFID = 0x0401;
inline constexpr UINT WM_NEXTDLGCTL = 0x0028;

// The fixed part of a template; the menu, class, caption, font and controls follow it.
#pragma pack(push, 2)
struct DLGTEMPLATE {
    DWORD style;
    DWORD dwExtendedStyle;
    WORD cdit;
    short x;
    short y;
    short cx;
    short cy;
};
struct DLGITEMTEMPLATE {
    DWORD style;
    DWORD dwExtendedStyle;
    short x;
    short y;
    short cx;
    short cy;
    WORD id;
};
#pragma pack(pop)
static_assert(sizeof(DLGTEMPLATE) == 18 && sizeof(DLGITEMTEMPLATE) == 18);

inline const LPCWSTR RT_DIALOG = MAKEINTRESOURCEW(5);

// A modeless dialog; null when the template cannot be read or the window not made.
HWND CreateDialogIndirectParamW(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND parent,
                                DLGPROC proc, LPARAM param);
// The template is the module's RT_DIALOG resource of that name.
HWND CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc, LPARAM param);
// A modal dialog: the EndDialog result, or -1 when it could not be made.
INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, const DLGTEMPLATE* dialogTemplate, HWND owner,
                                DLGPROC proc, LPARAM param);
INT_PTR DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner, DLGPROC proc, LPARAM param);
// Ends a modal dialog with the result once its procedure returns (a modeless one is hidden).
BOOL EndDialog(HWND dialog, INT_PTR result);
// The dialog procedure's default processing; the dialog class's window procedure.
LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text);
UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int max);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
// Checks the radio button id and unchecks the others with ids first to last.
BOOL CheckRadioButton(HWND dialog, int first, int last, int id);
// Dialog units of the dialog (its font's base units) to pixels.
BOOL MapDialogRect(HWND dialog, RECT* rect);
// The base units of the system font: MAKELONG(average width, height).
LONG GetDialogBaseUnits();

namespace user {
class ClassRegistry;
// The dialog class's name.
inline constexpr const char16_t* kDialogClassName = u"#32770";
// Called when a desktop starts.
void RegisterDialogClass(ClassRegistry& classes);
} // namespace user
