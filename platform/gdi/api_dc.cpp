// Device-context state: saving, origins, capabilities, colours and modes;
// the surface bridge and the probes behind the handles.

#include <cstdlib>
#include <limits>

#include "platform/gdi/bridge.h"
#include "platform/gdi/internal.h"
#include "platform/gdi/probe.h"

using namespace gdi;

namespace {

template <class T, class F> T WithDc(HDC dc, T failure, F&& fn) {
    DeviceContext* c = DcOf(dc);
    return c ? fn(*c) : failure;
}

BOOL SetOrigin(HDC dc, POINT DcState::*field, int x, int y, POINT* previous) {
    return WithDc(dc, FALSE, [&](DeviceContext& c) {
        if (previous)
            *previous = c.State().*field;
        c.State().*field = POINT{x, y};
        return TRUE;
    });
}

BOOL GetOrigin(HDC dc, POINT DcState::*field, POINT* out) {
    return WithDc(dc, FALSE, [&](DeviceContext& c) {
        if (!out)
            return FALSE;
        *out = c.State().*field;
        return TRUE;
    });
}

BOOL UnitExtent(HDC dc, SIZE* extent) {
    return WithDc(dc, FALSE, [&](DeviceContext&) {
        if (!extent)
            return FALSE;
        *extent = SIZE{1, 1};
        return TRUE;
    });
}

template <class T> T SetField(HDC dc, T DcState::*field, T value, T failure) {
    return WithDc(dc, failure, [&](DeviceContext& c) {
        const T previous = c.State().*field;
        c.State().*field = value;
        return previous;
    });
}

template <class T> T GetField(HDC dc, T DcState::*field, T failure) {
    return WithDc(dc, failure, [&](DeviceContext& c) { return c.State().*field; });
}

} // namespace

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = c;
    std::int64_t q = (std::llabs(product) + std::llabs(divisor) / 2) / std::llabs(divisor);
    if ((product < 0) != (divisor < 0))
        q = -q;
    if (q > std::numeric_limits<int>::max() || q < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(q);
}

int SaveDC(HDC dc) {
    return WithDc(dc, 0, [](DeviceContext& c) { return c.Save(); });
}

BOOL RestoreDC(HDC dc, int saved) {
    return WithDc(dc, FALSE, [&](DeviceContext& c) { return c.Restore(saved) ? TRUE : FALSE; });
}

int GetDeviceCaps(HDC dc, int index) {
    return WithDc(dc, 0, [&](DeviceContext& c) { return c.Caps().Query(index); });
}

BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous) {
    return SetOrigin(dc, &DcState::viewportOrg, x, y, previous);
}
BOOL GetViewportOrgEx(HDC dc, POINT* origin) {
    return GetOrigin(dc, &DcState::viewportOrg, origin);
}
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous) {
    return SetOrigin(dc, &DcState::windowOrg, x, y, previous);
}
BOOL GetWindowOrgEx(HDC dc, POINT* origin) {
    return GetOrigin(dc, &DcState::windowOrg, origin);
}
BOOL GetViewportExtEx(HDC dc, SIZE* extent) {
    return UnitExtent(dc, extent);
}
BOOL GetWindowExtEx(HDC dc, SIZE* extent) {
    return UnitExtent(dc, extent);
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    return SetField(dc, &DcState::textColor, color & kRgbMask, CLR_INVALID);
}
COLORREF GetTextColor(HDC dc) {
    return GetField(dc, &DcState::textColor, CLR_INVALID);
}
COLORREF SetBkColor(HDC dc, COLORREF color) {
    return SetField(dc, &DcState::bkColor, color & kRgbMask, CLR_INVALID);
}
COLORREF GetBkColor(HDC dc) {
    return GetField(dc, &DcState::bkColor, CLR_INVALID);
}
COLORREF SetDCPenColor(HDC dc, COLORREF color) {
    return SetField(dc, &DcState::dcPenColor, color & kRgbMask, CLR_INVALID);
}
COLORREF SetDCBrushColor(HDC dc, COLORREF color) {
    return SetField(dc, &DcState::dcBrushColor, color & kRgbMask, CLR_INVALID);
}

int SetBkMode(HDC dc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return SetField(dc, &DcState::bkMode, mode, 0);
}
int GetBkMode(HDC dc) {
    return GetField(dc, &DcState::bkMode, 0);
}

int SetROP2(HDC dc, int rop2) {
    if (rop2 < R2_BLACK || rop2 > R2_WHITE)
        return 0;
    return SetField(dc, &DcState::rop2, rop2, 0);
}
int GetROP2(HDC dc) {
    return GetField(dc, &DcState::rop2, 0);
}

UINT SetTextAlign(HDC dc, UINT align) {
    return SetField(dc, &DcState::textAlign, align, UINT{0xFFFFFFFF});
}
UINT GetTextAlign(HDC dc) {
    return GetField(dc, &DcState::textAlign, UINT{0xFFFFFFFF});
}

BOOL GetDCOrgEx(HDC dc, POINT* origin) {
    return WithDc(dc, FALSE, [&](DeviceContext& c) {
        if (!origin)
            return FALSE;
        *origin = c.Origin();
        return TRUE;
    });
}

namespace gdi {

HDC CreateSurfaceDC(SurfaceTarget target) {
    auto dc =
        std::make_shared<DeviceContext>(DeviceContext::Kind::Surface, target.caps, std::move(target.surface),
                                        target.origin, std::move(target.clip), std::move(target.displayList));
    SelectDefaults(*dc);
    return static_cast<HDC>(ObjectTable::Instance().Add(std::move(dc)));
}

HDC CreatePrinterPageDC(std::shared_ptr<Surface> page, int dpi) {
    if (!page || dpi <= 0)
        return nullptr;
    DeviceCaps caps;
    caps.technology = DT_RASPRINTER;
    caps.logPixelsX = caps.logPixelsY = dpi;
    caps.horzRes = page->Width();
    caps.vertRes = page->Height();
    return CreateSurfaceDC(SurfaceTarget{std::move(page), POINT{0, 0}, std::nullopt, caps, nullptr});
}

bool SetSurfaceDCClip(HDC dc, std::optional<Region> clip) {
    DeviceContext* c = DcOf(dc);
    if (!c || c->ContextKind() != DeviceContext::Kind::Surface)
        return false;
    c->SetSystemClip(std::move(clip));
    return true;
}

bool RecordDrawCall(HDC dc, std::string name, std::vector<std::int64_t> args, std::u16string text) {
    DeviceContext* c = DcOf(dc);
    if (!c)
        return false;
    Record(*c, std::move(name), std::move(args), std::move(text));
    return true;
}

int LiveObjectCount() {
    return ObjectTable::Instance().LiveCount();
}

const DisplayList* DisplayListOf(HDC dc) {
    DeviceContext* c = DcOf(dc);
    return c ? &c->Log() : nullptr;
}

std::shared_ptr<Surface> SurfaceOf(HBITMAP bitmap) {
    auto b = ObjectTable::Instance().Get<BitmapObject>(bitmap, OBJ_BITMAP);
    return b ? b->SurfacePtr() : nullptr;
}

std::shared_ptr<Surface> SurfaceOf(HDC dc) {
    DeviceContext* c = DcOf(dc);
    return c ? c->TargetPtr() : nullptr;
}

bool DrawOnSurface(HDC dc, std::string name, std::vector<std::int64_t> args,
                   const std::function<void(Surface&, POINT, const Region&)>& draw) {
    DeviceContext* c = DcOf(dc);
    if (!c)
        return false;
    Record(*c, std::move(name), std::move(args));
    if (!c->Target())
        return false;
    const POINT o = c->Origin();
    const POINT d = c->DeviceOffset();
    draw(*c->Target(), POINT{o.x + d.x, o.y + d.y}, c->EffectiveClip());
    return true;
}

} // namespace gdi
