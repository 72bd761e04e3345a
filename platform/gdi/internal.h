#pragma once
// Helpers shared by the implementations of the GDI calls.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GlyphRun.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/gdi.h"

namespace gdi {

inline DeviceContext* DcOf(HDC dc) {
    return ObjectTable::Instance().Dc(dc);
}

// The objects a new device context starts with: black pen, white brush,
// system font.
void SelectDefaults(DeviceContext& dc);

COLORREF PenColor(const DeviceContext& dc);
COLORREF BrushColor(const DeviceContext& dc, const BrushObject& brush);

// Appends a call with the state it draws with to the context's display list.
void Record(DeviceContext& dc, std::string name, std::vector<std::int64_t> args, std::u16string text = {},
            const BrushObject* brush = nullptr);

// Draws a line of text with its cell's top-left corner at device (x, top);
// in OPAQUE mode the cell (width x tmHeight) is filled with the background
// colour first.
void DrawTextCell(DeviceContext& dc, Raster& raster, const GlyphRun& run, std::int64_t x, std::int64_t top);

// While the context's path is open, adds the logical points as a figure (a new
// one when startFigure, else continuing the last) and answers true: the
// caller draws nothing.
bool AddToPath(DeviceContext& dc, const std::vector<POINT>& logical, bool startFigure);
// Combines a device region with the application clip (RGN_AND ... RGN_COPY);
// the resulting clip's complexity.
int ChangeClip(DeviceContext& dc, const Region& device, int mode);
// Text of a call: count < 0 means NUL-terminated.
std::u16string_view TextArg(LPCWSTR text, int count);

} // namespace gdi
