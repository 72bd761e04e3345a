#pragma once
// The system edit class "Edit", single line: a text, a selection (an anchor
// and the caret at its active end), a limit on what the user may type, and a
// modified flag.
//
// Typed characters (WM_CHAR) replace the selection; Backspace and Delete
// remove the selection or one character; Left, Right, Home and End move the
// caret (extending the selection with Shift); a click places the caret, a drag
// selects and a double click selects all. ES_NUMBER takes digits only,
// ES_UPPERCASE and ES_LOWERCASE convert, ES_READONLY refuses every change by
// the user; tabs, returns and other control characters are not taken. A
// character that would pass the limit (EM_LIMITTEXT, 32767 at first), or
// without ES_AUTOHSCROLL would not fit the control's width, is refused with
// EN_MAXTEXT. With ES_AUTOHSCROLL the text scrolls to keep the caret shown.
//
// Each change of the text, by the user, WM_SETTEXT or EM_REPLACESEL, sends
// WM_COMMAND (id, EN_CHANGE) to the parent after the text is stored; WM_SETTEXT
// is not held to the limit and puts the caret at the start. Gaining and losing
// the focus send EN_SETFOCUS and EN_KILLFOCUS. The control asks its parent for
// its colours with WM_CTLCOLOREDIT (WM_CTLCOLORSTATIC when read-only or
// disabled) and shows the selection while it has the focus (always with
// ES_NOHIDESEL). No caret is drawn.

#include "platform/user/records.h"

inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_CENTER = 0x0001;
inline constexpr DWORD ES_RIGHT = 0x0002;
inline constexpr DWORD ES_MULTILINE = 0x0004; // not supported: the control stays single-line
inline constexpr DWORD ES_UPPERCASE = 0x0008;
inline constexpr DWORD ES_LOWERCASE = 0x0010;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_NOHIDESEL = 0x0100;
inline constexpr DWORD ES_READONLY = 0x0800;
inline constexpr DWORD ES_NUMBER = 0x2000;

// EM_GETSEL: the selection's start and end (wParam, lParam: DWORD* or null),
// also answered as MAKELRESULT(start, end). EM_SETSEL (anchor, caret): -1 as
// the end selects to the end of the text, -1 as the start removes the
// selection. EM_REPLACESEL (canUndo, text): what is left of the limit is
// taken. EM_LIMITTEXT (n): 0 lifts the limit.
inline constexpr UINT EM_GETSEL = 0x00B0;
inline constexpr UINT EM_SETSEL = 0x00B1;
inline constexpr UINT EM_GETMODIFY = 0x00B8;
inline constexpr UINT EM_SETMODIFY = 0x00B9;
inline constexpr UINT EM_REPLACESEL = 0x00C2;
inline constexpr UINT EM_LIMITTEXT = 0x00C5;
inline constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
inline constexpr UINT EM_SETREADONLY = 0x00CF;
inline constexpr UINT EM_GETLIMITTEXT = 0x00D5;

inline constexpr WORD EN_SETFOCUS = 0x0100;
inline constexpr WORD EN_KILLFOCUS = 0x0200;
inline constexpr WORD EN_CHANGE = 0x0300;
inline constexpr WORD EN_MAXTEXT = 0x0501;

namespace user {
class ClassRegistry;
// Called when a desktop starts.
void RegisterEditClass(ClassRegistry& classes);
} // namespace user
