#pragma once
// Flat pictures of themed parts: a fill whose colour follows from (class,
// part, state), a one-pixel border and, for checked check boxes, a tick.

#include <string_view>

#include "platform/gdi/handles.h"
#include "platform/win32/types.h"

namespace theme {

// themeClass is the upper-case class name the theme was opened with.
void PaintPart(HDC dc, std::u16string_view themeClass, int part, int state, const RECT& rect);

} // namespace theme
