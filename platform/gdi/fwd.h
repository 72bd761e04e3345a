#pragma once
// Forward declarations of the drawing library: the handle types and the
// classes behind them, for headers that only pass them along.

#include "platform/gdi/handles.h"

struct LOGFONTW;
struct TEXTMETRICW;
struct LOGPEN;
struct LOGBRUSH;
struct BITMAP;

namespace gdi {

class BitmapObject;
class BrushObject;
class DeviceContext;
class DisplayList;
class FontEngine;
class FontFace;
class FontInstance;
class FontObject;
class GdiObject;
class GlyphRun;
class ObjectTable;
class PenObject;
class Raster;
class Region;
class RegionObject;
class Stroke;
class Surface;
struct DcState;
struct DeviceCaps;
struct DrawCall;
struct SurfaceTarget;

} // namespace gdi
