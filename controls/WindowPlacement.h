#pragma once
// Where dialogs open: a control's place in its dialog, and a dialog's
// remembered rectangle, brought back on the right monitor.

#include "platform/user/handles.h"

// A control's window rectangle in its dialog's client coordinates.
struct ControlPlacement {
    ControlPlacement(HWND dialog, int controlId);

    HWND dialog;
    RECT rect;
    int controlId;
};

// The rectangle moved into the work area of the monitor nearest to it: up by
// what passes the bottom, left by what passes the right, then down and right
// by what lies above or left of it. A rectangle larger than the work area ends
// with its top-left at the work area's top-left.
RECT ClampToMonitor(const RECT& rect);

// A window's remembered place, kept by its owner between openings.
struct WindowPlacementMemory {
    HWND window = nullptr;
    RECT saved{0, 0, 0, 0};
    bool isSaved = false;
};

// Opens the window where it was left (clamped) when its size is the same;
// otherwise centred on the work area of the monitor nearest to it (halvings
// truncated), clamped and remembered.
void PlaceWindow(WindowPlacementMemory& memory, HWND window);

// Keeps the window's rectangle as it is now (when it closes, say).
void RememberPlace(WindowPlacementMemory& memory, HWND window);
