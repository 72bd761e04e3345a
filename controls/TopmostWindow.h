#pragma once
// The windows that may own modal message boxes.

#include <vector>

#include "module/ModalOwner.h"
#include "platform/owl/TWindow.h"

// The top-level windows of this process (no WS_CHILD), each with whether it
// is enabled, in the order the platform enumerates them (topmost first).
// Built, read and dropped within one call.
class TopmostWindow {
public:
    using Entry = Tarvik::TopLevelWindow;
    using WindowList = std::vector<Entry>;

    TopmostWindow() : mWindows(Tarvik::ProcessTopLevelWindows()) {}
    virtual ~TopmostWindow() = default;

    const WindowList& Windows() const { return mWindows; }
    // The framework window of the first entry; null without one.
    OWL::TWindow* FirstWindow() const;

private:
    WindowList mWindows;
};
