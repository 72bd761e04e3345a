#pragma once
// The host application object, a COM class of its own, and its settings.

#include "platform/vantrel/IAutoOvoString.h"
#include "platform/vantrel/IPrintout.h"

struct HWND__;

inline constexpr CLSID CLSID_HostApplication = MakeGuid("{09C5C1C7-6AEE-4EF7-AD48-5301E8BC3775}");
inline constexpr IID IID_IHostApplication = MakeGuid("{70380571-34EA-11D3-8099-005004AD3C53}");
inline constexpr IID IID_IHostSettings = MakeGuid("{2F6A9D14-4C83-4B7E-9E25-8A1D0C3B5E61}"); // our own id

// Application settings by key.
struct IHostSettings : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 15: not used by the module
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    virtual HRESULT Reserved9() { return E_NOTIMPL; }
    virtual HRESULT Reserved10() { return E_NOTIMPL; }
    virtual HRESULT Reserved11() { return E_NOTIMPL; }
    virtual HRESULT Reserved12() { return E_NOTIMPL; }
    virtual HRESULT Reserved13() { return E_NOTIMPL; }
    virtual HRESULT Reserved14() { return E_NOTIMPL; }
    virtual HRESULT Reserved15() { return E_NOTIMPL; }
    // The boolean setting of the key (1 or 0), or the default when it has none.
    virtual HRESULT ReadBool(IAutoOvoString* key, BYTE defaultValue, BYTE* value) = 0; // slot 16

protected:
    ~IHostSettings() = default;
};

inline constexpr IID IID_IHostPreferences = MakeGuid("{2F6A9D16-4C83-4B7E-9E25-8A1D0C3B5E61}"); // our own id

// The host's display preferences by id, answered by the application object. A view's settings
// object (or null for the application's) chooses whose values are read.
struct IHostPreferences : IUnknown {
    // A number, a flag (0 or 1) or a colour (0x00RRGGBB); E_INVALIDARG for an id the host does not
    // know, *value unchanged then.
    virtual HRESULT ReadPreference(IUnknown* viewSettings, DWORD id, DWORD* value) = 0; // slot 3

protected:
    ~IHostPreferences() = default;
};

// The `which` of IHostApplication's module text: the module's version line.
inline constexpr DWORD kModuleVersionText = 0;

struct IHostApplication : IUnknown {
    // *state is not 0 when a module text is already shown for which.
    virtual HRESULT GetModuleTextState(DWORD which, DWORD* state) = 0;    // slot 3
    virtual HRESULT SetModuleText(DWORD which, IAutoOvoString* text) = 0; // slot 4
    virtual HRESULT Reserved5() { return E_NOTIMPL; } // slots 5 to 33: the module calls none of them
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    virtual HRESULT Reserved9() { return E_NOTIMPL; }
    // The application's main window; null when it has none.
    virtual HRESULT GetMainWindow(HWND__** window) = 0; // slot 10
    // The window of the application's client area, where documents' views lie; null without one.
    virtual HRESULT GetClientWindow(HWND__** window) { return E_NOTIMPL; } // slot 11
    // A message box of the application's own (reserved 0); *button is the
    // button pressed.
    virtual HRESULT ShowMessageBox(DWORD reserved, HWND__* owner, LPCWSTR text, LPCWSTR caption, UINT style,
                                   DWORD helpContext, INT* button) = 0; // slot 12
    virtual HRESULT Reserved13() { return E_NOTIMPL; }
    virtual HRESULT Reserved14() { return E_NOTIMPL; }
    virtual HRESULT Reserved15() { return E_NOTIMPL; }
    virtual HRESULT Reserved16() { return E_NOTIMPL; }
    virtual HRESULT Reserved17() { return E_NOTIMPL; }
    virtual HRESULT Reserved18() { return E_NOTIMPL; }
    virtual HRESULT Reserved19() { return E_NOTIMPL; }
    // The print service, with one reference.
    virtual HRESULT GetPrintService(IHostPrintService** service) { return E_NOTIMPL; } // slot 20
    virtual HRESULT Reserved21() { return E_NOTIMPL; }
    virtual HRESULT Reserved22() { return E_NOTIMPL; }
    virtual HRESULT Reserved23() { return E_NOTIMPL; }
    virtual HRESULT Reserved24() { return E_NOTIMPL; }
    virtual HRESULT Reserved25() { return E_NOTIMPL; }
    virtual HRESULT Reserved26() { return E_NOTIMPL; }
    virtual HRESULT Reserved27() { return E_NOTIMPL; }
    virtual HRESULT Reserved28() { return E_NOTIMPL; }
    virtual HRESULT Reserved29() { return E_NOTIMPL; }
    virtual HRESULT Reserved30() { return E_NOTIMPL; }
    virtual HRESULT Reserved31() { return E_NOTIMPL; }
    virtual HRESULT Reserved32() { return E_NOTIMPL; }
    // The language of the host's user interface: a language id (0x0409 US English, 0x040A
    // Spanish, 0x0804 Chinese ...); its low byte is the primary language's.
    virtual HRESULT GetUiLanguage(WORD* language) = 0; // slot 33
    // The settings object, with one reference.
    virtual HRESULT GetSettings(IHostSettings** settings) = 0; // slot 34

protected:
    ~IHostApplication() = default;
};
