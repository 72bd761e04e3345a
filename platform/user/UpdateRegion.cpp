#include "platform/user/UpdateRegion.h"

#include "platform/user/rect_math.h"

namespace user {

bool UpdateRegion::IsEmpty() const {
    return user::IsEmpty(box_);
}

void UpdateRegion::Add(const RECT& r) {
    box_ = Bound(box_, r);
}

void UpdateRegion::Subtract(const RECT& r) {
    RECT cut = Intersect(box_, r);
    if (user::IsEmpty(cut))
        return;
    const bool fullWidth = cut.left == box_.left && cut.right == box_.right;
    const bool fullHeight = cut.top == box_.top && cut.bottom == box_.bottom;
    if (fullWidth && fullHeight)
        Clear();
    else if (fullWidth && cut.top == box_.top)
        box_.top = cut.bottom;
    else if (fullWidth && cut.bottom == box_.bottom)
        box_.bottom = cut.top;
    else if (fullHeight && cut.left == box_.left)
        box_.left = cut.right;
    else if (fullHeight && cut.right == box_.right)
        box_.right = cut.left;
}

} // namespace user
