#pragma once
// The window that owns the module's modal message boxes.

#include <vector>

#include "platform/user/window_api.h"

namespace Tarvik {

// A top-level window of this process (no WS_CHILD) and whether it is enabled.
struct TopLevelWindow {
    bool enabled;
    HWND window;
};

// The top-level windows of this process in the order the platform enumerates
// them (topmost first).
std::vector<TopLevelWindow> ProcessTopLevelWindows();

} // namespace Tarvik

// The owner of modal boxes: the host application's main window when it has
// one, else the first of ProcessTopLevelWindows, else null.
HWND GetModalOwnerWindow();
