#pragma once
// How a window manager (or a printer page) points device contexts at its own
// surfaces. Drawing knows nothing about windows: the caller says where on
// the surface the context's device (0, 0) lies and which part of the surface
// it may touch, and keeps that clip current (a paint context's update region,
// a window's visible region). Contexts made here are deleted with DeleteDC.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/DeviceCaps.h"
#include "platform/gdi/DisplayList.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/handles.h"

namespace gdi {

struct SurfaceTarget {
    std::shared_ptr<Surface> surface; // may be null: a context that draws nowhere (answers caps and metrics)
    POINT origin{};                   // surface position of device (0, 0)
    std::optional<Region> clip;       // surface coordinates; none: the whole surface
    DeviceCaps caps = ScreenCaps();
    std::shared_ptr<DisplayList> displayList; // none: the context keeps its own
};

HDC CreateSurfaceDC(SurfaceTarget target);
// A printer's context over one page: the page surface (white, its size the
// printable area in printer pixels) at dpi dots per inch in both directions;
// GetDeviceCaps answers DT_RASPRINTER, that dpi and the page's size.
HDC CreatePrinterPageDC(std::shared_ptr<Surface> page, int dpi);
// Replaces the system clip (surface coordinates; none: the whole surface).
// The application clip is kept.
bool SetSurfaceDCClip(HDC dc, std::optional<Region> clip);
// For drawing layers above this one (themed parts): appends a call of their
// own, with the context's current state, before the calls it is drawn with.
// False for an unknown context.
bool RecordDrawCall(HDC dc, std::string name, std::vector<std::int64_t> args, std::u16string text = {});

// The region behind a region handle (a copy), null for another handle; and
// replacing it.
std::shared_ptr<Region> RegionOfHandle(HRGN region);
bool SetRegionOfHandle(HRGN region, const Region& value);

// A bitmap handle over a surface made elsewhere (a decoded picture, a
// converted image), reporting the given depth.
HBITMAP CreateBitmapOver(std::shared_ptr<Surface> surface, int bitsPerPixel);

// Draws a picture stretched (nearest pixel) into the logical rectangle of a
// context, clipped as any drawing: with image and mask both set, the
// picture's pixels where the mask is black (without a mask: where the
// picture's alpha is at least 128); image alone copies the picture, mask
// alone the mask. Pixels drawn are opaque (alpha 0xFF), as an icon's are.
// False for an unknown context.
bool DrawMaskedPicture(HDC dc, const RECT& logical, const Surface& picture, const Surface* mask, bool image,
                       bool maskBits);

// A packed device-independent bitmap (BITMAPINFOHEADER, colour table, bits),
// as bitmap resources hold it: 1, 4, 8, 24 and 32 bits per pixel, BI_RGB,
// either row order. The depth it reports is the bitmap's. Null when the bytes
// are not such a bitmap.
HBITMAP CreateBitmapFromPackedDib(const BYTE* bytes, std::size_t size);
// The same, as a surface and its depth: 32-bit pixels keep their alpha bytes,
// shallower ones get alpha 0xFF.
std::optional<Surface> DecodePackedDib(const BYTE* bytes, std::size_t size, int* bitsPerPixel);

// For drawing layers above GDI (GDI+): calls draw(surface, offset, clip) with
// the surface a context draws into, the offset from logical to surface
// coordinates and the effective clip in surface coordinates, after
// recording the call in the context's display list. False for an unknown
// context or one that draws nowhere.
bool DrawOnSurface(HDC dc, std::string name, std::vector<std::int64_t> args,
                   const std::function<void(Surface&, POINT, const Region&)>& draw);

} // namespace gdi

// The surface position of a context's device (0, 0).
BOOL GetDCOrgEx(HDC dc, POINT* origin);
