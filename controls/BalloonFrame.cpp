#include "controls/BalloonFrame.h"

#include "controls/UxThemeDLL.h"
#include "core/XOvo.h"
#include "platform/gdi/gdi.h"

using OvoLinkingUtils::UxThemeDLL;

int StemState(int quadrant) {
    switch (quadrant) {
    case 0:
        return 3;
    case 1:
        return 1;
    case 2:
        return 6;
    case 3:
        return 4;
    default:
        return -1;
    }
}

HRGN CreateThemedBalloonRegion(const BalloonRegionRequest& r, BalloonFrame& frame) {
    const int state = StemState(r.quadrant);
    SIZE stem{21, 21};
    if (UxThemeDLL::GetThemePartSize(r.theme->Get(), r.dc, TTP_BALLOONSTEM, state, &r.balloon, TS_DRAW,
                                     &stem) < 0)
        stem = SIZE{21, 21};
    const bool right = r.quadrant == 0 || r.quadrant == 3;
    const LONG x = right ? r.stemAnchor.x - stem.cx : r.stemAnchor.x;
    BalloonFrame f;
    f.stem = RECT{x, r.stemAnchor.y, x + stem.cx, r.stemAnchor.y + stem.cy};
    f.body = r.balloon;
    if (r.quadrant == 0 || r.quadrant == 1)
        f.body.top += stem.cy;
    else
        f.body.bottom -= stem.cy;
    f.quadrant = r.quadrant;
    frame = f;
    HRGN body = nullptr;
    HRGN stemRegion = nullptr;
    if (UxThemeDLL::GetThemeBackgroundRegion(r.theme->Get(), r.dc, TTP_BALLOON, 1, &f.body, &body) < 0 ||
        UxThemeDLL::GetThemeBackgroundRegion(r.theme->Get(), r.dc, TTP_BALLOONSTEM, state, &f.stem,
                                             &stemRegion) < 0) {
        if (body)
            DeleteObject(body);
        throw XOvo(Ovo::String(u"Error calling UxThemeDLL::GetThemeBackgroundRegion()."), OVO_E_MESSAGE_ONLY);
    }
    HRGN out = CreateRectRgn(0, 0, 1, 1);
    CombineRgn(out, body, stemRegion, RGN_OR);
    DeleteObject(body);
    DeleteObject(stemRegion);
    return out;
}

void DrawThemedBalloon(HDC dc, ThemeHandle& theme, int part, int state, const BalloonFrame& frame) {
    if (UxThemeDLL::DrawThemeBackground(theme.Get(), dc, part, state, &frame.body) < 0 ||
        UxThemeDLL::DrawThemeBackground(theme.Get(), dc, TTP_BALLOONSTEM, StemState(frame.quadrant),
                                        &frame.stem) < 0)
        throw XOvo(Ovo::String(u"Error calling UxThemeDLL::DrawThemeBackground()"), OVO_E_MESSAGE_ONLY);
}

HRGN CreateBalloonRegion(const POINT (&triangle)[3], POINT topLeft, POINT bottomRight, int radius) {
    HRGN stem = CreatePolygonRgn(triangle, 3, ALTERNATE);
    HRGN body =
        CreateRoundRectRgn(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y, radius * 3, radius * 3);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(out, stem, body, RGN_OR);
    DeleteObject(stem);
    DeleteObject(body);
    return out;
}
