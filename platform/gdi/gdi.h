#pragma once
// The drawing calls of the platform, headless: device contexts over in-memory
// rasters, GDI's own pixel rules, FreeType text from the pinned DejaVu faces.
// Names, arguments and results are those of the calls the module is written
// against. Failures answer as GDI does (FALSE, NULL, 0, CLR_INVALID) and
// change nothing.

#include "platform/gdi/Color.h"
#include "platform/gdi/constants.h"
#include "platform/gdi/handles.h"
#include "platform/gdi/structs.h"
#include "platform/win32/types.h"

// Arithmetic: (a x b) / c with a 64-bit product, rounded half away from
// zero; -1 when c is 0 or the result does not fit in 32 bits.
int MulDiv(int a, int b, int c);

// System colours: a fixed classic table; SetSysColors changes it for the
// process (the window manager tells windows).
DWORD GetSysColor(int index);
// An OLE colour: 0x800000nn is system colour nn, anything else an RGB value.
// E_INVALIDARG for a system colour beyond the table.
HRESULT OleTranslateColor(DWORD oleColor, void* palette, COLORREF* out);
BOOL SetSysColors(int count, const INT* indices, const COLORREF* colors);
HBRUSH GetSysColorBrush(int index);

// Objects.
HGDIOBJ GetStockObject(int index);
HPEN CreatePen(int style, int width, COLORREF color);
// A cosmetic pen (PS_COSMETIC) must be 1 wide; PS_ALTERNATE lights every other
// pixel and is cosmetic only. A geometric pen (PS_GEOMETRIC) takes the
// brush's colour (BS_SOLID only) and scales its dots with its width. End-cap
// and join bits are accepted and not drawn; user styles are refused.
HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount, const DWORD* styles);
HBRUSH CreateSolidBrush(COLORREF color);
HFONT CreateFontIndirectW(const LOGFONTW* font);
HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCWSTR face);
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// A size recorded with a bitmap for its owner (0, 0 at first); drawing ignores it.
BOOL SetBitmapDimensionEx(HBITMAP bitmap, int width, int height, SIZE* previous);
BOOL GetBitmapDimensionEx(HBITMAP bitmap, SIZE* dimension);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
int GetObjectW(HGDIOBJ object, int size, LPVOID out);
DWORD GetObjectType(HGDIOBJ object);

// Device contexts.
HDC CreateCompatibleDC(HDC reference);
BOOL DeleteDC(HDC dc);
int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int saved);
int GetDeviceCaps(HDC dc, int index);
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetViewportOrgEx(HDC dc, POINT* origin);
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetWindowOrgEx(HDC dc, POINT* origin);
BOOL GetViewportExtEx(HDC dc, SIZE* extent);
BOOL GetWindowExtEx(HDC dc, SIZE* extent);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int rop2);
int GetROP2(HDC dc);
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);
COLORREF SetDCPenColor(HDC dc, COLORREF color);
COLORREF SetDCBrushColor(HDC dc, COLORREF color);

// Regions and clipping. Clip calls take logical coordinates, converted with
// the origins current at the call.
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode);
BOOL EqualRgn(HRGN a, HRGN b);
int OffsetRgn(HRGN region, int dx, int dy);
int GetRgnBox(HRGN region, RECT* box);
BOOL PtInRegion(HRGN region, int x, int y);
int SelectClipRgn(HDC dc, HRGN region);
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int GetClipRgn(HDC dc, HRGN region);
int GetClipBox(HDC dc, RECT* box);
BOOL RectVisible(HDC dc, const RECT* rect);

// Drawing. Rectangles are half-open: right and bottom are outside.
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL LineTo(HDC dc, int x, int y);
BOOL GetCurrentPositionEx(HDC dc, POINT* position);
BOOL Polyline(HDC dc, const POINT* points, int count);
// counts[i] points of points form polyline i; the current position stays.
BOOL PolyPolyline(HDC dc, const POINT* points, const DWORD* counts, DWORD polylines);
// Filled with the brush inside the outline that the pen draws within the
// bounding rectangle (right and bottom outside); both with the ROP2.
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);
BOOL DrawFocusRect(HDC dc, const RECT* rect);
BOOL DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state);

// Regions made from shapes (logical coordinates of no context: taken as
// given), and regions drawn through a context.
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
// A rectangle whose corners are quarters of a width x height ellipse.
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush);
// The region's border, width pixels thick at the left and right edges and
// height pixels at the top and bottom, inside the region.
BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height);
BOOL PaintRgn(HDC dc, HRGN region);
// Filled by the fill mode, right and bottom edges outside; outlined with the pen.
BOOL Polygon(HDC dc, const POINT* points, int count);
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);

// Rectangles shaded from one vertex's colour to the other's: GRADIENT_FILL_RECT_H
// left to right, GRADIENT_FILL_RECT_V top to bottom; the far edge is not
// reached (a pixel's colour is that of its distance from the start edge).
// Through the clip, no ROP; alpha is not used.
BOOL GradientFill(HDC dc, TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode);

// Paths (api_path.cpp): between BeginPath and EndPath, MoveToEx, LineTo,
// Polyline, Polygon and Rectangle add figures to the context's path instead of
// drawing. A rectangle's figure is its whole box, right and bottom included,
// so that a clip path of a rectangle clips to that rectangle. SelectClipPath
// combines the filled path (the context's fill mode) with the clip by mode
// and ends the path; FALSE without a closed path.
BOOL BeginPath(HDC dc);
BOOL EndPath(HDC dc);
BOOL AbortPath(HDC dc);
BOOL SelectClipPath(HDC dc, int mode);

// Drawing is done when each call returns: nothing is batched.
BOOL GdiFlush();

// Blits (api_blit.cpp).
BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
BOOL TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                    int srcHeight, UINT transparent);
BOOL AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, BLENDFUNCTION blend);
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);

// Text.
BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* metrics);
BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, SIZE* size);
BOOL TextOutW(HDC dc, int x, int y, LPCWSTR text, int count);
BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                 const INT* dx);
int DrawTextW(HDC dc, LPCWSTR text, int count, RECT* rect, UINT format);
