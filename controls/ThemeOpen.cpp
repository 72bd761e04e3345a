#include "controls/ThemeOpen.h"

#include "controls/UxThemeDLL.h"
#include "core/SystemVersionInfo.h"
#include "platform/owl/TXOwl.h"

bool PlatformThemes(const OSVERSIONINFOW& v) {
    return v.dwPlatformId == VER_PLATFORM_WIN32_NT &&
           (v.dwMajorVersion >= 6 || (v.dwMajorVersion == 5 && v.dwMinorVersion == 1));
}

bool PlatformThemes() {
    return PlatformThemes(Ovo::GetSystemVersionInfo().version);
}

HTHEME TryOpenTheme(HWND window, LPCWSTR classList) {
    try {
        return OvoLinkingUtils::UxThemeDLL::OpenThemeData(window, classList);
    } catch (const OWL::TXOwl&) {
        return nullptr;
    }
}

void CloseTheme(HTHEME& theme) {
    if (theme == nullptr)
        return;
    try {
        OvoLinkingUtils::UxThemeDLL::CloseThemeData(theme);
    } catch (const OWL::TXOwl&) {
    }
    theme = nullptr;
}
