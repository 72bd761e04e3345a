#pragma once
// What tests and tools look at behind the handles: the live-object count,
// display lists and the pixels of bitmaps and device contexts.

#include <memory>

#include "platform/gdi/DisplayList.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/handles.h"

namespace gdi {

// Objects created and not yet deleted, device contexts included (stock
// objects never count).
int LiveObjectCount();

// Null for an unknown handle.
const DisplayList* DisplayListOf(HDC dc);
std::shared_ptr<Surface> SurfaceOf(HBITMAP bitmap);
// The surface a device context draws into now (a memory context's selected
// bitmap); null when it has none.
std::shared_ptr<Surface> SurfaceOf(HDC dc);

} // namespace gdi
