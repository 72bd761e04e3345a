#pragma once
// The system button class "Button": push buttons, check boxes and group
// boxes, drawn plainly in the system colours. A click (press and release
// inside) sends WM_COMMAND (id, BN_CLICKED) to the parent; an automatic check
// box toggles first. BM_SETCHECK and BM_SETSTATE send nothing.

#include "platform/user/records.h"

inline constexpr DWORD BS_PUSHBUTTON = 0x0000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
inline constexpr DWORD BS_CHECKBOX = 0x0002;
inline constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
inline constexpr DWORD BS_RADIOBUTTON = 0x0004;
inline constexpr DWORD BS_GROUPBOX = 0x0007;
inline constexpr DWORD BS_AUTORADIOBUTTON = 0x0009;
inline constexpr DWORD BS_TYPEMASK = 0x000F;
inline constexpr DWORD BS_BITMAP = 0x0080;
inline constexpr DWORD BS_CENTER = 0x0300;

inline constexpr UINT BM_GETCHECK = 0x00F0;
inline constexpr UINT BM_SETCHECK = 0x00F1;
inline constexpr UINT BM_GETSTATE = 0x00F2;
inline constexpr UINT BM_SETSTATE = 0x00F3;
inline constexpr UINT BM_CLICK = 0x00F5;

inline constexpr WORD BN_CLICKED = 0;
inline constexpr LRESULT BST_UNCHECKED = 0;
inline constexpr LRESULT BST_CHECKED = 1;
inline constexpr LRESULT BST_PUSHED = 4;
inline constexpr LRESULT BST_FOCUS = 8;

namespace user {
class ClassRegistry;
void RegisterButtonClass(ClassRegistry& classes);
} // namespace user
