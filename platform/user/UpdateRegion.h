#pragma once
// The part of a window's client area that waits to be painted, in client
// coordinates. Kept as the bounding rectangle of everything invalidated: a
// window may repaint more than strictly needed, never less. Validation removes
// a rectangle only where the result is again a rectangle.

#include "platform/win32/types.h"

namespace user {

class UpdateRegion {
public:
    bool IsEmpty() const;
    // Bounding box; {0, 0, 0, 0} when empty.
    RECT Box() const { return mBox; }
    void Add(const RECT& r);
    void Subtract(const RECT& r);
    void Clear() { mBox = {0, 0, 0, 0}; }

private:
    RECT mBox{0, 0, 0, 0};
};

} // namespace user
