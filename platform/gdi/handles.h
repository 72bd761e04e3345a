#pragma once
// GDI handle types. Each kind is a pointer to its own incomplete type, so a pen
// cannot be passed where a font is expected; every one converts implicitly to
// HGDIOBJ, and back with static_cast, as code written for GDI expects. The
// values are keys into the object table, never addresses.

struct HDC__;
struct HPEN__;
struct HBRUSH__;
struct HFONT__;
struct HBITMAP__;
struct HRGN__;
struct HPALETTE__;

using HGDIOBJ = void*;
using HDC = HDC__*;
using HPEN = HPEN__*;
using HBRUSH = HBRUSH__*;
using HFONT = HFONT__*;
using HBITMAP = HBITMAP__*;
using HRGN = HRGN__*;
using HPALETTE = HPALETTE__*; // no palettes here: always null
