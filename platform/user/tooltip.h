#pragma once
// The system tooltip class "tooltips_class32", as far as gadget windows use
// it: a pop-up that shows its window text in the info colours and the font
// it is given (WM_SETFONT), transparent to the pointer. Its owner sizes,
// places, shows and hides it.

#include "platform/user/records.h"

namespace user {
class ClassRegistry;
void RegisterTooltipClass(ClassRegistry& classes);
} // namespace user
