#include "controls/UxThemeDLL.h"

#include <array>

#include "platform/owl/TModuleProc.h"

namespace OvoLinkingUtils {
namespace {

enum Entry { kOpen, kClose, kDrawBackground, kIsThemeActive, kIsAppThemed, kEntryCount };

constexpr std::array<const char*, kEntryCount> kNames{"OpenThemeData", "CloseThemeData",
                                                      "DrawThemeBackground", "IsThemeActive", "IsAppThemed"};

struct Binding {
    std::unique_ptr<UxThemeDLL> module;
    std::array<void*, kEntryCount> entries{};
};

Binding& State() {
    static Binding binding;
    return binding;
}

// The entry's address, bound on first use.
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

BOOL UxThemeDLL::IsThemeActive() {
    return Bound<BOOL()>(kIsThemeActive)();
}

BOOL UxThemeDLL::IsAppThemed() {
    return Bound<BOOL()>(kIsAppThemed)();
}

} // namespace OvoLinkingUtils
