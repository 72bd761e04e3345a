#pragma once
// The system list box class "ListBox": a column of items, each with a text and a data word, with at
// most one selected item. With LBS_OWNERDRAWFIXED the parent draws each visible item (WM_DRAWITEM,
// ODT_LISTBOX, state ODS_SELECTED for the selection and ODS_FOCUS for it while the control has the
// focus) and is asked for the item height at creation (WM_MEASUREITEM for item 0). Setting the
// selection from code sends nothing; a click on an item or the arrow, Page, Home and End keys select
// as the user does and, when that changed the selection, send LBN_SELCHANGE to the parent (with
// LBS_NOTIFY). Items scroll so that the selection is shown; the mouse wheel scrolls three items a
// notch and leaves the selection alone.

#include "platform/user/records.h"

inline constexpr DWORD LBS_NOTIFY = 0x0001;
inline constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
inline constexpr DWORD LBS_HASSTRINGS = 0x0040;
inline constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;

inline constexpr UINT LB_ADDSTRING = 0x0180;
inline constexpr UINT LB_INSERTSTRING = 0x0181;
inline constexpr UINT LB_DELETESTRING = 0x0182;
inline constexpr UINT LB_RESETCONTENT = 0x0184;
inline constexpr UINT LB_SETCURSEL = 0x0186;
inline constexpr UINT LB_GETCURSEL = 0x0188;
inline constexpr UINT LB_GETTEXT = 0x0189;
inline constexpr UINT LB_GETTEXTLEN = 0x018A;
inline constexpr UINT LB_GETCOUNT = 0x018B;
inline constexpr UINT LB_GETTOPINDEX = 0x018E;
inline constexpr UINT LB_GETITEMRECT = 0x0198;
inline constexpr UINT LB_GETITEMDATA = 0x0199;
inline constexpr UINT LB_SETITEMDATA = 0x019A;
inline constexpr UINT LB_SETITEMHEIGHT = 0x01A0;
inline constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
inline constexpr UINT LB_ITEMFROMPOINT = 0x01A9;

inline constexpr LRESULT LB_OKAY = 0;
inline constexpr LRESULT LB_ERR = -1;

inline constexpr WORD LBN_SELCHANGE = 1;

namespace user {

class ClassRegistry;
// Called when a desktop starts.
void RegisterListBoxClass(ClassRegistry& classes);

} // namespace user
