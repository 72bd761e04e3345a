#pragma once
// A size with the window framework's conveniences.

#include "platform/win32/types.h"

namespace OWL {

class TSize : public SIZE {
public:
    constexpr TSize() : SIZE{0, 0} {}
    constexpr TSize(LONG dx, LONG dy) : SIZE{dx, dy} {}
    constexpr TSize(const SIZE& s) : SIZE(s) {}

    friend constexpr bool operator==(const TSize& a, const TSize& b) { return a.cx == b.cx && a.cy == b.cy; }
};

} // namespace OWL
