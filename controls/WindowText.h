#pragma once
// The whole text of a window.

#include <string>

#include "platform/user/handles.h"

// Empty when the handle is not a window.
std::u16string GetWindowTextString(HWND window);
