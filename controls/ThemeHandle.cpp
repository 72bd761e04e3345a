#include "controls/ThemeHandle.h"

#include "controls/ThemeOpen.h"
#include "controls/UxThemeDLL.h"
#include "core/SystemVersionInfo.h"
#include "core/XOvo.h"
#include "platform/owl/TXOwl.h"

using OvoLinkingUtils::UxThemeDLL;

namespace {

HRESULT Checked(HRESULT hr, const char16_t* entry) {
    if (hr < 0) {
        Ovo::String message(u"Error calling UxThemeDLL::");
        message += entry;
        message += u"().";
        throw XOvo(message, OVO_E_MESSAGE_ONLY);
    }
    return hr;
}

} // namespace

HTHEME ThemeHandle::Get() {
    if (mTheme == nullptr) {
        mTheme = UxThemeDLL::OpenThemeData(mWindow, mClassList);
        if (mTheme == nullptr) {
            Ovo::String message(u"Could not open theme data for the given class: ");
            message += mClassList ? mClassList : u"";
            message += u".";
            throw XOvo(message, OVO_E_MESSAGE_ONLY);
        }
    }
    return mTheme;
}

void ThemeHandle::Close() {
    if (mTheme == nullptr)
        return;
    const HTHEME theme = mTheme;
    mTheme = nullptr;
    if (UxThemeDLL::CloseThemeData(theme) != S_OK)
        throw XOvo(Ovo::String(u"Failed to close theme data."), OVO_E_MESSAGE_ONLY);
}

HRESULT ThemeDrawBackground(const ThemePartRequest& r) {
    return Checked(UxThemeDLL::DrawThemeBackground(r.theme->Get(), r.dc, r.part, r.state, r.rect),
                   u"DrawThemeBackground");
}

HRESULT ThemeDrawText(const ThemePartRequest& r) {
    return Checked(
        UxThemeDLL::DrawThemeText(r.theme->Get(), r.dc, r.part, r.state, r.text, r.textFlags, r.rect),
        u"DrawThemeText");
}

HRESULT ThemeGetTextExtent(const ThemePartRequest& r) {
    return Checked(UxThemeDLL::GetThemeTextExtent(r.theme->Get(), r.dc, r.part, r.state, r.text, r.textFlags,
                                                  r.rect, r.rect),
                   u"GetThemeTextExtent");
}

HRESULT ThemeGetPartSize(const ThemePartRequest& r) {
    return Checked(
        UxThemeDLL::GetThemePartSize(r.theme->Get(), r.dc, r.part, r.state, nullptr, r.sizeKind, r.size),
        u"GetThemePartSize");
}

// A library that cannot be bound counts as no theming: the controls then draw
// plainly instead of failing in their paint handlers.
bool IsThemingAvailable(const OSVERSIONINFOW& version) {
    if (!PlatformThemes(version))
        return false;
    try {
        return UxThemeDLL::IsAppThemed() != FALSE;
    } catch (const OWL::TXOwl&) {
        return false;
    }
}

bool IsThemingAvailable() {
    return IsThemingAvailable(Ovo::GetSystemVersionInfo().version);
}

bool IsBufferedThemingAvailable(const OSVERSIONINFOW& version) {
    return IsThemingAvailable(version) && version.dwMajorVersion >= 6;
}

bool IsBufferedThemingAvailable() {
    return IsBufferedThemingAvailable(Ovo::GetSystemVersionInfo().version);
}
