#include "platform/theme/ThemeLibrary.h"

#include <array>
#include <cstdint>
#include <map>

#include "platform/gdi/bridge.h"
#include "platform/gdi/gdi.h"
#include "platform/theme/ThemePainter.h"
#include "platform/theme/uxtheme.h"
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

struct State {
    Switches switches;
    std::vector<ThemeCall> calls;
    std::map<std::uintptr_t, std::u16string> open; // handle value -> class
    std::uintptr_t next = 0x7E000;
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
    return Lib().open.erase(reinterpret_cast<std::uintptr_t>(theme)) ? S_OK : E_HANDLE;
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

struct Export {
    std::string_view name;
    void* address;
};

const std::array<Export, 5>& Exports() {
    static const std::array<Export, 5> table{{
        {"OpenThemeData", reinterpret_cast<void*>(&OpenThemeData)},
        {"CloseThemeData", reinterpret_cast<void*>(&CloseThemeData)},
        {"DrawThemeBackground", reinterpret_cast<void*>(&DrawThemeBackground)},
        {"IsThemeActive", reinterpret_cast<void*>(&IsThemeActive)},
        {"IsAppThemed", reinterpret_cast<void*>(&IsAppThemed)},
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
