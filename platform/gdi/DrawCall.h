#pragma once
// One entry of a device context's display list: a drawing call, its
// arguments as the caller passed them, and the state it drew with.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/types.h"

namespace gdi {

struct DrawCall {
    std::string name;               // "LineTo", "FillRect", "DrawTextW", ...
    std::vector<std::int64_t> args; // logical coordinates, flags and colours, in call order
    std::u16string text;            // text calls: the characters drawn
    COLORREF penColor = 0;
    int penStyle = 0;
    int penWidth = 0;
    COLORREF brushColor = 0; // the brush the call used (FillRect: the brush passed)
    bool brushNull = false;
    COLORREF textColor = 0;
    COLORREF bkColor = 0;
    int bkMode = 0;
    int rop2 = 0;
    std::u16string fontFace; // as requested
    LONG fontHeight = 0;
    LONG fontWeight = 0;
    POINT deviceOffset{}; // device = logical + deviceOffset
    RECT clipBox{};       // effective clip, device coordinates
};

} // namespace gdi
