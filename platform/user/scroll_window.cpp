#include "platform/user/scroll_window.h"

#include <vector>

#include "platform/gdi/Region.h"
#include "platform/gdi/gdi.h"
#include "platform/user/paint_api.h"
#include "platform/user/rect_math.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"

using user::Desktop;
using user::Window;

namespace {

// The pending update region moves with the pixels when it lies in the
// scrolled area; it is kept as a bounding box, so one outside stays put.
void MoveUpdate(Window& w, const RECT& area, int dx, int dy) {
    const RECT pending = w.update.Box();
    if (w.update.IsEmpty() || !user::Contains(area, pending))
        return;
    w.update.Clear();
    w.update.Add(user::Intersect(user::Offset(pending, dx, dy), area));
}

// The children's pixels moved with the window's own; where they are now is
// painted already.
void MoveChildren(Desktop& d, const Window& w, int dx, int dy) {
    for (HWND child : std::vector<HWND>(w.children)) {
        const Window* c = d.Windows().Find(child);
        if (c != nullptr)
            SetWindowPos(child, nullptr, c->window.left + dx, c->window.top + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    }
}

// Children left in place had their pixels moved away from under them.
void RepaintChildren(Desktop& d, const Window& w) {
    for (HWND child : std::vector<HWND>(w.children))
        if (Window* c = d.Windows().Find(child))
            user::Mark(d, *c, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Report(const gdi::Region& band, HRGN update, RECT* updateRect) {
    if (updateRect != nullptr)
        *updateRect = band.IsEmpty() ? RECT{0, 0, 0, 0} : band.Bounds();
    if (update == nullptr)
        return;
    HRGN built = CreateRectRgn(0, 0, 0, 0);
    for (const RECT& r : band.Rects()) {
        HRGN piece = CreateRectRgnIndirect(&r);
        CombineRgn(built, built, piece, RGN_OR);
        DeleteObject(piece);
    }
    CombineRgn(update, built, nullptr, RGN_COPY);
    DeleteObject(built);
}

} // namespace

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   RECT* updateRect, UINT flags) {
    Desktop& d = Desktop::Current();
    Desktop::Hold hold(d);
    Window* w = d.Windows().Find(hwnd);
    if (w == nullptr)
        return ERROR;
    const RECT client = user::ClientArea(*w);
    RECT area = user::Intersect(scroll ? *scroll : client, client);
    if (clip != nullptr)
        area = user::Intersect(area, *clip);
    const RECT moved = user::Intersect(user::Offset(area, dx, dy), area);
    if (!user::IsEmpty(moved) && d.Windows().IsVisible(*w)) {
        HDC dc = d.Paint().Acquire(hwnd, moved, true);
        BitBlt(dc, moved.left, moved.top, user::Width(moved), user::Height(moved), dc, moved.left - dx,
               moved.top - dy, SRCCOPY);
        d.Paint().Release(hwnd, dc);
    }
    MoveUpdate(*w, area, dx, dy);
    const gdi::Region band = gdi::Region(area).Subtract(gdi::Region(moved));
    if (flags & SW_INVALIDATE)
        for (const RECT& r : band.Rects())
            user::Mark(d, *w, &r, RDW_INVALIDATE | RDW_NOCHILDREN | ((flags & SW_ERASE) ? RDW_ERASE : 0u));
    if (flags & SW_SCROLLCHILDREN)
        MoveChildren(d, *w, dx, dy);
    else
        RepaintChildren(d, *w);
    Report(band, update, updateRect);
    if (band.IsEmpty())
        return NULLREGION;
    return band.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
