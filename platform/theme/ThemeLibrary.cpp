#include "platform/theme/ThemeLibrary.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/gdi/bridge.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/probe.h"
#include "platform/theme/ThemePainter.h"
#include "platform/theme/uxtheme.h"
#include "platform/user/paint_api.h"
#include "platform/user/timer_api.h"
#include "platform/user/window_api.h"
#include "platform/win32/text.h"

namespace theme {
namespace {

constexpr std::array<std::u16string_view, 4> kClasses{u"BUTTON", u"TOOLBAR", u"TOOLTIP", u"TEXTSTYLE"};

std::u16string UpperTrimmed(std::u16string_view s) {
    while (!s.empty() && s.front() == u' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == u' ')
        s.remove_suffix(1);
    std::u16string out;
    for (char16_t c : s)
        out.push_back(win32::AsciiUpper(c));
    return out;
}

struct Animation {
    HDC target;
    RECT rect;
    HDC from;
    HDC to;
    HBITMAP fromBitmap;
    HBITMAP toBitmap;
    HWND hwnd = nullptr;
    DWORD duration = 0;
};

// An animation that EndBufferedAnimation started: the two pictures, cross-faded
// on the test clock by BufferedPaintRenderAnimation.
struct Running {
    RECT rect;
    ULONGLONG start;
    DWORD duration;
    HBITMAP from;
    HBITMAP to;
};

struct State {
    Switches switches;
    std::vector<ThemeCall> calls;
    std::map<std::uintptr_t, std::u16string> open; // handle value -> class
    std::uintptr_t next = 0x7E000;
    int bufferedSessions = 0;
    std::map<std::uintptr_t, Animation> animations;
    std::map<HWND, Running> running;
};

State& Lib() {
    static State state;
    return state;
}

// The class a list opens: its first known name.
std::u16string KnownClass(LPCWSTR classList) {
    if (!classList)
        return {};
    std::u16string_view rest(classList);
    while (!rest.empty()) {
        const std::size_t end = rest.find(u';');
        const std::u16string name = UpperTrimmed(rest.substr(0, end));
        for (std::u16string_view known : kClasses)
            if (name == known)
                return name;
        if (end == std::u16string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    return {};
}

const std::u16string* ClassOf(HTHEME theme) {
    auto it = Lib().open.find(reinterpret_cast<std::uintptr_t>(theme));
    return it == Lib().open.end() ? nullptr : &it->second;
}

} // namespace

Switches& CurrentSwitches() {
    return Lib().switches;
}

void ResetSwitches() {
    Lib().switches = Switches{};
    Lib().calls.clear();
    Lib().open.clear();
    Lib().bufferedSessions = 0;
    for (auto& [hwnd, r] : Lib().running) {
        DeleteObject(r.from);
        DeleteObject(r.to);
    }
    Lib().running.clear();
}

bool IsLibraryName(std::u16string_view name) {
    const std::size_t slash = name.find_last_of(u"/\\");
    if (slash != std::u16string_view::npos)
        name.remove_prefix(slash + 1);
    return UpperTrimmed(name) == u"UXTHEME.DLL";
}

const std::vector<ThemeCall>& Calls() {
    return Lib().calls;
}

int OpenHandles() {
    return static_cast<int>(Lib().open.size());
}

HTHEME OpenThemeData(HWND, LPCWSTR classList) {
    Lib().calls.push_back({"OpenThemeData", classList ? std::u16string(classList) : std::u16string()});
    const std::u16string known = KnownClass(classList);
    if (known.empty() || !Lib().switches.themeActive)
        return nullptr;
    const std::uintptr_t handle = ++Lib().next;
    Lib().open[handle] = known;
    return reinterpret_cast<HTHEME>(handle);
}

HRESULT CloseThemeData(HTHEME theme) {
    Lib().calls.push_back({"CloseThemeData"});
    if (!Lib().open.erase(reinterpret_cast<std::uintptr_t>(theme)))
        return E_HANDLE;
    return Lib().switches.closeFails ? E_FAIL : S_OK;
}

BOOL IsThemeActive() {
    Lib().calls.push_back({"IsThemeActive"});
    return Lib().switches.themeActive ? TRUE : FALSE;
}

BOOL IsAppThemed() {
    Lib().calls.push_back({"IsAppThemed"});
    return Lib().switches.appThemed ? TRUE : FALSE;
}

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect, const RECT* clip) {
    ThemeCall call{"DrawThemeBackground", {}, part, state, rect ? *rect : RECT{}};
    const std::u16string* themeClass = ClassOf(theme);
    if (themeClass)
        call.text = *themeClass;
    Lib().calls.push_back(call);
    if (!themeClass)
        return E_HANDLE;
    if (!dc || !rect)
        return E_INVALIDARG;
    const int saved = SaveDC(dc);
    if (clip)
        IntersectClipRect(dc, clip->left, clip->top, clip->right, clip->bottom);
    gdi::RecordDrawCall(dc, "DrawThemeBackground",
                        {part, state, rect->left, rect->top, rect->right, rect->bottom}, *themeClass);
    PaintPart(dc, *themeClass, part, state, *rect);
    RestoreDC(dc, saved);
    return S_OK;
}

namespace {

// The failure switched on for an entry (or an entry and a property), if any.
std::optional<HRESULT> Failure(const std::string& key) {
    const auto& f = Lib().switches.failures;
    auto it = f.find(key);
    return it == f.end() ? std::nullopt : std::optional<HRESULT>(it->second);
}

// The call is logged; the result is the class of an open handle or null.
const std::u16string* Begin(const char* entry, HTHEME theme, int part = 0, int state = 0,
                            const RECT* rect = nullptr) {
    ThemeCall call{entry, {}, part, state, rect ? *rect : RECT{}};
    const std::u16string* themeClass = ClassOf(theme);
    if (themeClass)
        call.text = *themeClass;
    Lib().calls.push_back(call);
    return themeClass;
}

COLORREF TextColour(const std::u16string& themeClass, int part) {
    return themeClass == u"TEXTSTYLE" && part == TEXT_HYPERLINKTEXT ? RGB(0, 102, 204) : RGB(0, 0, 0);
}

std::u16string_view TextOf(LPCWSTR text, int count) {
    return count < 0 ? std::u16string_view(text) : std::u16string_view(text, static_cast<std::size_t>(count));
}

} // namespace

HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int count, DWORD flags, DWORD,
                      const RECT* rect) {
    const std::u16string* themeClass = Begin("DrawThemeText", theme, part, state, rect);
    if (!themeClass)
        return E_HANDLE;
    if (auto f = Failure("DrawThemeText"))
        return *f;
    if (!dc || !rect || !text)
        return E_INVALIDARG;
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour(*themeClass, part));
    const std::u16string copy(TextOf(text, count));
    RECT r = *rect;
    DrawTextW(dc, copy.c_str(), -1, &r, flags);
    RestoreDC(dc, saved);
    return S_OK;
}

HRESULT GetThemeTextExtent(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int count, DWORD flags,
                           const RECT* bounds, RECT* extent) {
    if (!Begin("GetThemeTextExtent", theme, part, state, bounds))
        return E_HANDLE;
    if (auto f = Failure("GetThemeTextExtent"))
        return *f;
    if (!dc || !text || !extent)
        return E_INVALIDARG;
    RECT r = bounds ? *bounds : RECT{0, 0, 0x7FFF, 0x7FFF};
    const std::u16string copy(TextOf(text, count));
    DrawTextW(dc, copy.c_str(), -1, &r, flags | DT_CALCRECT);
    *extent = r;
    return S_OK;
}

HRESULT GetThemePartSize(HTHEME theme, HDC, int part, int state, const RECT* rect, int, SIZE* size) {
    const std::u16string* themeClass = Begin("GetThemePartSize", theme, part, state, rect);
    if (!themeClass)
        return E_HANDLE;
    if (auto f = Failure("GetThemePartSize"))
        return *f;
    if (!size)
        return E_INVALIDARG;
    const auto& sizes = Lib().switches.partSizes;
    if (auto it = sizes.find({*themeClass, part}); it != sizes.end())
        *size = it->second;
    else if (*themeClass == u"TOOLTIP" && part == TTP_CLOSE)
        *size = SIZE{16, 16};
    else if (*themeClass == u"TOOLTIP" && part == TTP_BALLOONSTEM)
        *size = SIZE{20, 20};
    else
        *size = SIZE{23, 22};
    return S_OK;
}

HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC, int part, int state, const RECT* rect, HRGN* region) {
    const std::u16string* themeClass = Begin("GetThemeBackgroundRegion", theme, part, state, rect);
    if (!themeClass)
        return E_HANDLE;
    if (auto f = Failure("GetThemeBackgroundRegion"))
        return *f;
    if (!rect || !region)
        return E_INVALIDARG;
    const RECT& r = *rect;
    if (*themeClass == u"TOOLTIP" && part == TTP_BALLOON) {
        *region = CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, 8, 8);
    } else if (*themeClass == u"TOOLTIP" && part == TTP_BALLOONSTEM) {
        const bool up = state == 1 || state == 3;
        const LONG tipX = state == 1 || state == 6 ? r.left : r.right;
        const POINT p[] = {
            {r.left, up ? r.bottom : r.top}, {r.right, up ? r.bottom : r.top}, {tipX, up ? r.top : r.bottom}};
        *region = CreatePolygonRgn(p, 3, WINDING);
    } else {
        *region = CreateRectRgnIndirect(&r);
    }
    return S_OK;
}

HRESULT GetThemeColor(HTHEME theme, int part, int state, int property, COLORREF* color) {
    if (!Begin("GetThemeColor", theme, part, state))
        return E_HANDLE;
    if (auto f = Failure("GetThemeColor:" + std::to_string(property)))
        return *f;
    if (!color)
        return E_INVALIDARG;
    switch (property) {
    case TMT_TEXTCOLOR:
        *color = RGB(0, 70, 213);
        return S_OK;
    case TMT_BORDERCOLOR:
        *color = RGB(213, 223, 229);
        return S_OK;
    case TMT_BORDERCOLORHINT:
        *color = RGB(180, 190, 200);
        return S_OK;
    default:
        return E_PROP_ID_UNSUPPORTED;
    }
}

HRESULT SetWindowTheme(HWND, LPCWSTR app, LPCWSTR) {
    Lib().calls.push_back({"SetWindowTheme", app ? std::u16string(app) : std::u16string()});
    return S_OK;
}

HRESULT DrawThemeParentBackground(HWND hwnd, HDC dc, const RECT* rect) {
    Lib().calls.push_back({"DrawThemeParentBackground", {}, 0, 0, rect ? *rect : RECT{}});
    if (auto f = Failure("DrawThemeParentBackground"))
        return *f;
    if (!dc || !rect)
        return E_INVALIDARG;
    const HWND parent = hwnd ? GetParent(hwnd) : nullptr;
    auto brush = reinterpret_cast<HBRUSH>(parent ? GetClassLongPtrW(parent, GCLP_HBRBACKGROUND) : 0);
    FillRect(dc, rect, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    return S_OK;
}

HRESULT BufferedPaintInit() {
    Lib().calls.push_back({"BufferedPaintInit"});
    ++Lib().bufferedSessions;
    return S_OK;
}

HRESULT BufferedPaintUnInit() {
    Lib().calls.push_back({"BufferedPaintUnInit"});
    if (Lib().bufferedSessions > 0)
        --Lib().bufferedSessions;
    return S_OK;
}

HANIMATIONBUFFER BeginBufferedAnimation(HWND hwnd, HDC target, const RECT* rect, int, BP_PAINTPARAMS*,
                                        BP_ANIMATIONPARAMS* animation, HDC* from, HDC* to) {
    Lib().calls.push_back({"BeginBufferedAnimation", {}, 0, 0, rect ? *rect : RECT{}});
    if (from)
        *from = nullptr;
    if (to)
        *to = nullptr;
    if (!target || !rect || !to || Lib().bufferedSessions == 0)
        return nullptr;
    const LONG w = std::max<LONG>(rect->right - rect->left, 1),
               h = std::max<LONG>(rect->bottom - rect->top, 1);
    Animation a{target,  *rect,
                nullptr, CreateCompatibleDC(target),
                nullptr, CreateCompatibleBitmap(target, w, h),
                hwnd,    animation ? animation->dwDuration : 0};
    SelectObject(a.to, a.toBitmap);
    SetViewportOrgEx(a.to, -rect->left, -rect->top, nullptr);
    if (from && animation && animation->dwDuration > 0) {
        a.from = CreateCompatibleDC(target);
        a.fromBitmap = CreateCompatibleBitmap(target, w, h);
        SelectObject(a.from, a.fromBitmap);
        SetViewportOrgEx(a.from, -rect->left, -rect->top, nullptr);
        *from = a.from;
    }
    *to = a.to;
    const std::uintptr_t handle = ++Lib().next;
    Lib().animations[handle] = a;
    return reinterpret_cast<HANIMATIONBUFFER>(handle);
}

namespace {

constexpr UINT_PTR kAnimationTimer = 0x7E0A;

void EndRunning(HWND hwnd) {
    auto it = Lib().running.find(hwnd);
    if (it == Lib().running.end())
        return;
    DeleteObject(it->second.from);
    DeleteObject(it->second.to);
    Lib().running.erase(it);
    KillTimer(hwnd, kAnimationTimer);
}

// Each tick asks for the next frame; the tick past the end asks for the
// window's own painting once more.
void AnimationTick(HWND hwnd, UINT, UINT_PTR, DWORD) {
    auto it = Lib().running.find(hwnd);
    if (it == Lib().running.end()) {
        KillTimer(hwnd, kAnimationTimer);
        return;
    }
    InvalidateRect(hwnd, &it->second.rect, FALSE);
    if (GetTickCount64() - it->second.start >= it->second.duration)
        KillTimer(hwnd, kAnimationTimer);
}

void Draw(HDC target, const RECT& r, HBITMAP picture, BYTE alpha) {
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ old = SelectObject(source, picture);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (alpha == 255)
        BitBlt(target, r.left, r.top, w, h, source, 0, 0, SRCCOPY);
    else if (alpha > 0)
        AlphaBlend(target, r.left, r.top, w, h, source, 0, 0, w, h, BLENDFUNCTION{AC_SRC_OVER, 0, alpha, 0});
    SelectObject(source, old);
    DeleteDC(source);
}

} // namespace

BOOL BufferedPaintRenderAnimation(HWND hwnd, HDC target) {
    Lib().calls.push_back({"BufferedPaintRenderAnimation"});
    auto it = Lib().running.find(hwnd);
    if (it == Lib().running.end() || target == nullptr)
        return FALSE;
    const Running& r = it->second;
    const ULONGLONG elapsed = GetTickCount64() - r.start;
    if (elapsed >= r.duration) {
        EndRunning(hwnd);
        return FALSE;
    }
    Draw(target, r.rect, r.from, 255);
    Draw(target, r.rect, r.to, static_cast<BYTE>(elapsed * 255 / r.duration));
    return TRUE;
}

HRESULT EndBufferedAnimation(HANIMATIONBUFFER buffer, BOOL updateTarget) {
    Lib().calls.push_back({"EndBufferedAnimation"});
    auto it = Lib().animations.find(reinterpret_cast<std::uintptr_t>(buffer));
    if (it == Lib().animations.end())
        return E_INVALIDARG;
    Animation a = it->second;
    Lib().animations.erase(it);
    const bool runs = a.from != nullptr && a.duration > 0 && a.hwnd != nullptr;
    for (HDC dc : {a.from, a.to}) // frees the bitmaps for drawing
        if (dc)
            DeleteDC(dc);
    if (updateTarget)
        Draw(a.target, a.rect, runs ? a.fromBitmap : a.toBitmap, 255);
    if (runs) {
        EndRunning(a.hwnd);
        Lib().running[a.hwnd] = Running{a.rect, GetTickCount64(), a.duration, a.fromBitmap, a.toBitmap};
        SetTimer(a.hwnd, kAnimationTimer, USER_TIMER_MINIMUM, &AnimationTick);
        return S_OK;
    }
    for (HBITMAP b : {a.fromBitmap, a.toBitmap})
        if (b)
            DeleteObject(b);
    return S_OK;
}

int BufferedPaintSessions() {
    return Lib().bufferedSessions;
}

namespace {

struct Export {
    std::string_view name;
    void* address;
};

#define THEME_EXPORT(name)                                                                                   \
    Export {                                                                                                 \
#name, reinterpret_cast < void*>(&name)                                                              \
    }

const std::array<Export, 17>& Exports() {
    static const std::array<Export, 17> table{{
        THEME_EXPORT(OpenThemeData),
        THEME_EXPORT(CloseThemeData),
        THEME_EXPORT(DrawThemeBackground),
        THEME_EXPORT(IsThemeActive),
        THEME_EXPORT(IsAppThemed),
        THEME_EXPORT(DrawThemeText),
        THEME_EXPORT(GetThemeTextExtent),
        THEME_EXPORT(GetThemePartSize),
        THEME_EXPORT(GetThemeBackgroundRegion),
        THEME_EXPORT(GetThemeColor),
        THEME_EXPORT(SetWindowTheme),
        THEME_EXPORT(DrawThemeParentBackground),
        THEME_EXPORT(BufferedPaintInit),
        THEME_EXPORT(BufferedPaintUnInit),
        THEME_EXPORT(BeginBufferedAnimation),
        THEME_EXPORT(BufferedPaintRenderAnimation),
        THEME_EXPORT(EndBufferedAnimation),
    }};
    return table;
}

} // namespace

void* Entry(std::string_view name) {
    const Switches& s = Lib().switches;
    if (!s.libraryPresent || s.missingEntries.count(std::string(name)))
        return nullptr;
    for (const Export& e : Exports())
        if (e.name == name)
            return e.address;
    return nullptr;
}

} // namespace theme
