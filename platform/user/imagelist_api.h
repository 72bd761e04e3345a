#pragma once
// Image lists of the common controls: pictures of one size, each with a mask
// when the list was made with ILC_MASK, drawn through the mask.

#include "platform/user/UserObjects.h"

inline constexpr UINT ILC_MASK = 0x0001;
inline constexpr UINT ILC_COLOR = 0x0000;
inline constexpr UINT ILC_COLOR24 = 0x0018;
inline constexpr UINT ILC_COLOR32 = 0x0020;
inline constexpr UINT ILD_NORMAL = 0x0000;
inline constexpr UINT ILD_TRANSPARENT = 0x0001;

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
// The bitmap holds width / cx pictures side by side; the mask (white:
// transparent) is used with ILC_MASK. The index of the first picture added, or -1.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// The mask is made of the pixels of the key colour.
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF key);
// index -1 appends; the icon is drawn at the list's size.
int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon);
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
// ILD_NORMAL and ILD_TRANSPARENT both draw through the mask.
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
