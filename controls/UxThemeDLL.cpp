#include "controls/UxThemeDLL.h"

#include <array>

#include "platform/owl/TModuleProc.h"

namespace OvoLinkingUtils {
namespace {

enum Entry {
    kOpen,
    kClose,
    kDrawBackground,
    kDrawText,
    kPartSize,
    kTextExtent,
    kBackgroundRegion,
    kColor,
    kSetWindowTheme,
    kIsThemeActive,
    kIsAppThemed,
    kParentBackground,
    kBeginAnimation,
    kPaintInit,
    kRenderAnimation,
    kPaintUnInit,
    kEndAnimation,
    kEntryCount
};

constexpr std::array<const char*, kEntryCount> kNames{"OpenThemeData",
                                                      "CloseThemeData",
                                                      "DrawThemeBackground",
                                                      "DrawThemeText",
                                                      "GetThemePartSize",
                                                      "GetThemeTextExtent",
                                                      "GetThemeBackgroundRegion",
                                                      "GetThemeColor",
                                                      "SetWindowTheme",
                                                      "IsThemeActive",
                                                      "IsAppThemed",
                                                      "DrawThemeParentBackground",
                                                      "BeginBufferedAnimation",
                                                      "BufferedPaintInit",
                                                      "BufferedPaintRenderAnimation",
                                                      "BufferedPaintUnInit",
                                                      "EndBufferedAnimation"};

struct Binding {
    std::unique_ptr<UxThemeDLL> module;
    std::array<void*, kEntryCount> entries{};
};

Binding& State() {
    static Binding binding;
    return binding;
}

// The entry's address, bound on first use; a failed bind keeps nothing.
template <class F> F* Bound(Entry e) {
    void*& slot = State().entries[e];
    if (slot == nullptr)
        slot = OWL::TModuleProc(UxThemeDLL::Instance(), kNames[e]).Address();
    return reinterpret_cast<F*>(slot);
}

} // namespace

UxThemeDLL::UxThemeDLL() : OWL::TModule(u"uxtheme.dll", true, true, false) {}

UxThemeDLL& UxThemeDLL::Instance() {
    Binding& b = State();
    if (!b.module)
        b.module.reset(new UxThemeDLL());
    return *b.module;
}

void UxThemeDLL::Unload() {
    State() = Binding{};
}

HTHEME UxThemeDLL::OpenThemeData(HWND hwnd, LPCWSTR classList) {
    return Bound<HTHEME(HWND, LPCWSTR)>(kOpen)(hwnd, classList);
}

HRESULT UxThemeDLL::CloseThemeData(HTHEME theme) {
    return Bound<HRESULT(HTHEME)>(kClose)(theme);
}

HRESULT UxThemeDLL::DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect) {
    return Bound<HRESULT(HTHEME, HDC, int, int, const RECT*, const RECT*)>(kDrawBackground)(
        theme, dc, part, state, rect, nullptr);
}

HRESULT UxThemeDLL::DrawThemeText(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, DWORD flags,
                                  const RECT* rect) {
    return Bound<HRESULT(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*)>(kDrawText)(
        theme, dc, part, state, text, -1, flags, 0, rect);
}

HRESULT UxThemeDLL::GetThemePartSize(HTHEME theme, HDC dc, int part, int state, const RECT* rect, int kind,
                                     SIZE* size) {
    return Bound<HRESULT(HTHEME, HDC, int, int, const RECT*, int, SIZE*)>(kPartSize)(theme, dc, part, state,
                                                                                     rect, kind, size);
}

HRESULT UxThemeDLL::GetThemeTextExtent(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, DWORD flags,
                                       const RECT* bounds, RECT* extent) {
    return Bound<HRESULT(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, const RECT*, RECT*)>(kTextExtent)(
        theme, dc, part, state, text, -1, flags, bounds, extent);
}

HRESULT UxThemeDLL::GetThemeBackgroundRegion(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                                             HRGN* region) {
    return Bound<HRESULT(HTHEME, HDC, int, int, const RECT*, HRGN*)>(kBackgroundRegion)(theme, dc, part,
                                                                                        state, rect, region);
}

HRESULT UxThemeDLL::GetThemeColor(HTHEME theme, int property, COLORREF* color) {
    return Bound<HRESULT(HTHEME, int, int, int, COLORREF*)>(kColor)(theme, 4, 1, property, color);
}

HRESULT UxThemeDLL::SetWindowTheme(HWND hwnd) {
    return Bound<HRESULT(HWND, LPCWSTR, LPCWSTR)>(kSetWindowTheme)(hwnd, u"Explorer", nullptr);
}

BOOL UxThemeDLL::IsThemeActive() {
    return Bound<BOOL()>(kIsThemeActive)();
}

BOOL UxThemeDLL::IsAppThemed() {
    return Bound<BOOL()>(kIsAppThemed)();
}

HRESULT UxThemeDLL::DrawThemeParentBackground(HWND hwnd, HDC dc, const RECT* rect) {
    return Bound<HRESULT(HWND, HDC, const RECT*)>(kParentBackground)(hwnd, dc, rect);
}

HANIMATIONBUFFER UxThemeDLL::BeginBufferedAnimation(HWND hwnd, HDC target, const RECT* rect,
                                                    BP_ANIMATIONPARAMS* animation, HDC* from, HDC* to) {
    return Bound<HANIMATIONBUFFER(HWND, HDC, const RECT*, int, BP_PAINTPARAMS*, BP_ANIMATIONPARAMS*, HDC*,
                                  HDC*)>(kBeginAnimation)(hwnd, target, rect, BPBF_COMPATIBLEBITMAP, nullptr,
                                                          animation, from, to);
}

HRESULT UxThemeDLL::BufferedPaintInit() {
    return Bound<HRESULT()>(kPaintInit)();
}

BOOL UxThemeDLL::BufferedPaintRenderAnimation(HWND hwnd, HDC target) {
    return Bound<BOOL(HWND, HDC)>(kRenderAnimation)(hwnd, target);
}

HRESULT UxThemeDLL::BufferedPaintUnInit() {
    return Bound<HRESULT()>(kPaintUnInit)();
}

HRESULT UxThemeDLL::EndBufferedAnimation(HANIMATIONBUFFER buffer) {
    return Bound<HRESULT(HANIMATIONBUFFER, BOOL)>(kEndAnimation)(buffer, TRUE);
}

} // namespace OvoLinkingUtils
