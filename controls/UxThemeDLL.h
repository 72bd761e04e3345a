#pragma once
// The visual-styles library, bound by name when the first themed operation
// runs: one module-wide object owns the loaded library ("uxtheme.dll", load
// now, must load), and each operation binds its entry on its first call and
// then calls straight through, adding the arguments it fixes itself. A
// library or an entry that cannot be had throws (OWL::TXInvalidModule,
// OWL::TXModuleProc) on every call, and nothing is kept; Unload frees the
// library and forgets every bound entry.

#include <memory>

#include "platform/owl/TModule.h"
#include "platform/theme/uxtheme.h"

namespace OvoLinkingUtils {

class UxThemeDLL : public OWL::TModule {
public:
    // The module-wide object, loading the library on first use.
    static UxThemeDLL& Instance();
    // Runs at module exit.
    static void Unload();

    static HTHEME OpenThemeData(HWND hwnd, LPCWSTR classList);
    static HRESULT CloseThemeData(HTHEME theme);
    // No clip rectangle.
    static HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect);
    // The whole NUL-terminated text; second flags word 0.
    static HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, DWORD flags,
                                 const RECT* rect);
    static HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, const RECT* rect, int kind,
                                    SIZE* size);
    static HRESULT GetThemeTextExtent(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, DWORD flags,
                                      const RECT* bounds, RECT* extent);
    static HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                                            HRGN* region);
    // Part 4, state 1: in the "BUTTON" class the group box.
    static HRESULT GetThemeColor(HTHEME theme, int property, COLORREF* color);
    // Application name "Explorer", no id list.
    static HRESULT SetWindowTheme(HWND hwnd);
    static BOOL IsThemeActive();
    static BOOL IsAppThemed();
    static HRESULT DrawThemeParentBackground(HWND hwnd, HDC dc, const RECT* rect);
    // A compatible-bitmap buffer without paint parameters.
    static HANIMATIONBUFFER BeginBufferedAnimation(HWND hwnd, HDC target, const RECT* rect,
                                                   BP_ANIMATIONPARAMS* animation, HDC* from, HDC* to);
    static HRESULT BufferedPaintInit();
    static BOOL BufferedPaintRenderAnimation(HWND hwnd, HDC target);
    static HRESULT BufferedPaintUnInit();
    // Updates the target.
    static HRESULT EndBufferedAnimation(HANIMATIONBUFFER buffer);

private:
    UxThemeDLL();
    friend struct std::default_delete<UxThemeDLL>;
};

} // namespace OvoLinkingUtils
