#include "platform/user/UpdateRegion.h"

#include "platform/user/rect_math.h"

namespace user {

bool UpdateRegion::IsEmpty() const {
    return user::IsEmpty(mBox);
}

void UpdateRegion::Add(const RECT& r) {
    mBox = Bound(mBox, r);
}

void UpdateRegion::Subtract(const RECT& r) {
    RECT cut = Intersect(mBox, r);
    if (user::IsEmpty(cut))
        return;
    const bool fullWidth = cut.left == mBox.left && cut.right == mBox.right;
    const bool fullHeight = cut.top == mBox.top && cut.bottom == mBox.bottom;
    if (fullWidth && fullHeight)
        Clear();
    else if (fullWidth && cut.top == mBox.top)
        mBox.top = cut.bottom;
    else if (fullWidth && cut.bottom == mBox.bottom)
        mBox.bottom = cut.top;
    else if (fullHeight && cut.left == mBox.left)
        mBox.left = cut.right;
    else if (fullHeight && cut.right == mBox.right)
        mBox.right = cut.left;
}

} // namespace user
