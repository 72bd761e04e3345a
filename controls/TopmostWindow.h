#pragma once
// The windows that may own modal message boxes.

#include <vector>

#include "platform/owl/TWindow.h"

// The top-level windows of this process (no WS_CHILD), each with whether it
// is enabled, in the order the platform enumerates them (topmost first).
// Built, read and dropped within one call.
class TopmostWindow {
public:
    struct Entry {
        bool enabled;
        HWND window;
    };
    using WindowList = std::vector<Entry>;

    TopmostWindow();
    virtual ~TopmostWindow() = default;

    const WindowList& Windows() const { return mWindows; }
    // The framework window of the first entry; null without one.
    OWL::TWindow* FirstWindow() const;

private:
    WindowList mWindows;
};

// The owner of modal boxes: the host application's main window when it has
// one, else the first window of a fresh TopmostWindow, else null.
HWND GetModalOwnerWindow();
