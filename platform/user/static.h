#pragma once
// The system static control class "Static": a text, an icon or a bitmap on
// the background the parent gives (WM_CTLCOLORSTATIC, else the button face).
// Without SS_NOTIFY the control is transparent to the pointer (HTTRANSPARENT):
// the window below it gets the mouse.

#include "platform/user/records.h"

inline constexpr DWORD SS_LEFT = 0x0000;
inline constexpr DWORD SS_CENTER = 0x0001;
inline constexpr DWORD SS_RIGHT = 0x0002;
inline constexpr DWORD SS_ICON = 0x0003;
inline constexpr DWORD SS_BLACKRECT = 0x0004;
inline constexpr DWORD SS_BITMAP = 0x000E;
inline constexpr DWORD SS_ETCHEDHORZ = 0x0010;
inline constexpr DWORD SS_TYPEMASK = 0x001F;
inline constexpr DWORD SS_NOTIFY = 0x0100;

inline constexpr UINT STM_SETICON = 0x0170;
inline constexpr UINT STM_GETICON = 0x0171;
inline constexpr UINT STM_SETIMAGE = 0x0172;
inline constexpr UINT STM_GETIMAGE = 0x0173;

namespace user {
class ClassRegistry;
void RegisterStaticClass(ClassRegistry& classes);
} // namespace user
