#pragma once
// The outline of a balloon: a body with a stem in one of four quadrants
// (0: stem up at the right, 1: up at the left, 2: down at the left, 3: down
// at the right), drawn through the theme or as a plain region.

#include "controls/ThemeHandle.h"

struct BalloonFrame {
    RECT stem{0, 0, 0, 0};
    RECT body{0, 0, 0, 0};
    int quadrant = 0;
};

// The theme state of the stem for a quadrant: 0 -> 3, 1 -> 1, 2 -> 6, 3 -> 4,
// anything else -1.
int StemState(int quadrant);

struct BalloonRegionRequest {
    HDC dc = nullptr;
    RECT balloon{0, 0, 0, 0}; // the whole balloon
    ThemeHandle* theme = nullptr;
    int quadrant = 0;
    POINT stemAnchor{0, 0}; // where the stem's rectangle hangs
};

// The themed outline: the stem's size from the theme (21 x 21 when the theme
// cannot tell), the body the balloon less the stem's height on its side; the
// frame record replaced, and the union of the two parts' regions returned.
// XOvo "Error calling UxThemeDLL::GetThemeBackgroundRegion()." when the theme
// gives no region.
HRGN CreateThemedBalloonRegion(const BalloonRegionRequest& request, BalloonFrame& frame);

// Draws the body (part, state) and then the stem of the frame's quadrant.
// XOvo "Error calling UxThemeDLL::DrawThemeBackground()" (no full stop) on a
// failure.
void DrawThemedBalloon(HDC dc, ThemeHandle& theme, int part, int state, const BalloonFrame& frame);

// The plain outline: the triangle (alternate filling) united with the rounded
// rectangle from topLeft to bottomRight whose corner ellipse is 3 x radius
// wide and high.
HRGN CreateBalloonRegion(const POINT (&triangle)[3], POINT topLeft, POINT bottomRight, int radius);
