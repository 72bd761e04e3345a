#pragma once
// The system combo box class "ComboBox": a list of items, each with a text and
// a data word, and a current selection shown in the selection field. Only the
// closed control is drawn. With CBS_OWNERDRAWFIXED the parent draws the field
// (WM_DRAWITEM, itemID = current selection or -1, state ODS_COMBOBOXEDIT plus
// ODS_SELECTED | ODS_FOCUS while the control has the focus) and is asked for
// the item heights at creation (WM_MEASUREITEM for itemID -1, then 0). Setting
// the selection from code sends no notification; choosing another item with
// the arrow, Home and End keys sends CBN_SELCHANGE. A drop-down combo box
// (CBS_DROPDOWN, CBS_DROPDOWNLIST) takes the height of its selection field; the
// height it is made with is that of its list.

#include "platform/user/records.h"

inline constexpr DWORD CBS_SIMPLE = 0x0001;
inline constexpr DWORD CBS_DROPDOWN = 0x0002;
inline constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
inline constexpr DWORD CBS_OWNERDRAWFIXED = 0x0010;
inline constexpr DWORD CBS_OWNERDRAWVARIABLE = 0x0020;
inline constexpr DWORD CBS_SORT = 0x0100;
inline constexpr DWORD CBS_HASSTRINGS = 0x0200;

inline constexpr UINT CB_ADDSTRING = 0x0143;
inline constexpr UINT CB_DELETESTRING = 0x0144;
inline constexpr UINT CB_GETCOUNT = 0x0146;
inline constexpr UINT CB_GETCURSEL = 0x0147;
inline constexpr UINT CB_GETLBTEXT = 0x0148;
inline constexpr UINT CB_GETLBTEXTLEN = 0x0149;
inline constexpr UINT CB_INSERTSTRING = 0x014A;
inline constexpr UINT CB_RESETCONTENT = 0x014B;
inline constexpr UINT CB_SETCURSEL = 0x014E;
inline constexpr UINT CB_GETITEMDATA = 0x0150;
inline constexpr UINT CB_SETITEMDATA = 0x0151;
inline constexpr UINT CB_SETITEMHEIGHT = 0x0153;
inline constexpr UINT CB_GETITEMHEIGHT = 0x0154;
// The width of the drop-down list (the control's width until one is set).
inline constexpr UINT CB_GETDROPPEDWIDTH = 0x015F;
inline constexpr UINT CB_SETDROPPEDWIDTH = 0x0160;

inline constexpr LRESULT CB_OKAY = 0;
inline constexpr LRESULT CB_ERR = -1;

inline constexpr WORD CBN_SELCHANGE = 1;

namespace user {
// What the user's choice of an item in the open list sends the control (posted by
// user::ChooseItem): the control takes the focus, selects item wParam and, when that changed the
// selection, sends CBN_SELCHANGE to its parent.
inline constexpr UINT kComboUserChoice = 0x03F0;
} // namespace user

namespace user {

class ClassRegistry;
// Called when a desktop starts.
void RegisterComboBoxClass(ClassRegistry& classes);

} // namespace user
