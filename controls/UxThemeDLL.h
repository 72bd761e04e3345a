#pragma once
// The visual-styles library, bound by name when the first themed operation
// runs: one module-wide object owns the loaded library ("uxtheme.dll", load
// now, must load), and each operation binds its entry on its first call and
// then calls straight through. A library or an entry that cannot be had
// throws (OWL::TXInvalidModule, OWL::TXModuleProc) on every call, and nothing
// is kept; Unload frees the library and forgets every bound entry.

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
    static BOOL IsThemeActive();
    static BOOL IsAppThemed();

private:
    UxThemeDLL();
    friend struct std::default_delete<UxThemeDLL>;
};

} // namespace OvoLinkingUtils
