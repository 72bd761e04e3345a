#pragma once
// Themes as the controls use them: a theme handle that opens itself on
// demand, drawing calls that turn a failure into XOvo (code 0xA0048210, the
// message alone), and the tests of whether themed drawing can be used.

#include "core/String.h"
#include "platform/theme/uxtheme.h"
#include "platform/win32/sysinfo.h"

// The window and the class list ("TOOLTIP", ...) a theme is opened for, and
// the theme while one is open.
class ThemeHandle {
public:
    ThemeHandle(HWND window, LPCWSTR classList) : mWindow(window), mClassList(classList) {}
    ThemeHandle(const ThemeHandle&) = delete;
    ThemeHandle& operator=(const ThemeHandle&) = delete;

    // The open theme, opening it when none is: XOvo "Could not open theme
    // data for the given class: " + the class list + "." when it cannot.
    HTHEME Get();
    // Closes an open theme (the handle is cleared first); XOvo "Failed to
    // close theme data." when the library refuses. Nothing without a theme.
    void Close();
    bool IsOpen() const { return mTheme != nullptr; }
    void SetWindow(HWND window) { mWindow = window; }

private:
    HWND mWindow;
    LPCWSTR mClassList;
    HTHEME mTheme = nullptr;
};

// The arguments of the throwing drawing calls.
struct ThemePartRequest {
    HDC dc = nullptr;
    RECT* rect = nullptr;
    int part = 0;
    int state = 0;
    ThemeHandle* theme = nullptr;
    LPCWSTR text = nullptr; // the text calls
    DWORD textFlags = 0;    // DT_ flags of the text calls
    int sizeKind = TS_DRAW; // the part-size call
    SIZE* size = nullptr;   // the part-size call's result
};

// Each returns the library's result when it is not negative and otherwise
// throws XOvo "Error calling UxThemeDLL::<entry>()."
HRESULT ThemeDrawBackground(const ThemePartRequest& request);
HRESULT ThemeDrawText(const ThemePartRequest& request);
// The request's rectangle is the bounds and receives the extent.
HRESULT ThemeGetTextExtent(const ThemePartRequest& request);
HRESULT ThemeGetPartSize(const ThemePartRequest& request);

// Windows NT (platform 2) of major version 6 or more or exactly 5.1, with the
// application themed; 5.2 and versions below 5 answer false without the
// library, and so does a library that cannot be bound.
bool IsThemingAvailable(const OSVERSIONINFOW& version);
bool IsThemingAvailable();
// IsThemingAvailable and a major version of 6 or more.
bool IsBufferedThemingAvailable(const OSVERSIONINFOW& version);
bool IsBufferedThemingAvailable();
