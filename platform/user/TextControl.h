#pragma once
// Messages that the simple text controls (static, tooltip) answer alike: the font
// they draw with, their text (a change repaints) and a background erase left to
// WM_PAINT.

#include "platform/user/handles.h"

namespace user {

// Answers message into result and returns true when it is one of those messages;
// font is the control's own.
bool HandleTextControlMessage(HWND hwnd, HFONT& font, UINT message, WPARAM wParam, LPARAM lParam,
                              LRESULT& result);

} // namespace user
