#pragma once
// The visual-styles library as a library the module loads by name
// ("uxtheme.dll") and binds entry by entry. Tests switch it: present or
// missing, single entries missing, themes active or not, the application
// themed or not. Every entry call is logged.

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/win32/types.h"

namespace theme {

struct Switches {
    bool libraryPresent = true;
    std::set<std::string> missingEntries; // ANSI entry names
    bool themeActive = true;              // IsThemeActive; OpenThemeData gives null when false
    bool appThemed = true;                // IsAppThemed
    // Entries that fail, with the result they give: "GetThemePartSize" or,
    // for one property, "GetThemeColor:3801".
    std::map<std::string, HRESULT> failures;
    // GetThemePartSize answers by (upper-case class, part) over the defaults.
    std::map<std::tuple<std::u16string, int>, SIZE> partSizes;
    bool closeFails = false; // CloseThemeData answers E_FAIL (and closes)
};

// The switches in force; ResetSwitches restores the defaults and clears the log.
Switches& CurrentSwitches();
void ResetSwitches();

// Whether a library name ("uxtheme.dll", any case, with or without a folder)
// names this library.
bool IsLibraryName(std::u16string_view name);
// The address of an entry by its ANSI name; null for an unknown entry, one
// switched off, or while the library is missing.
void* Entry(std::string_view name);

struct ThemeCall {
    std::string entry;     // "OpenThemeData", "DrawThemeBackground" ...
    std::u16string text{}; // the class list of OpenThemeData
    int part = 0;
    int state = 0;
    RECT rect{};
};
const std::vector<ThemeCall>& Calls();
// Handles open now.
int OpenHandles();
// BufferedPaintInit calls not yet balanced by BufferedPaintUnInit.
int BufferedPaintSessions();

} // namespace theme
