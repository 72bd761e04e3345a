#pragma once
// The host application object (a COM class of its own) with the module text it
// shows and its settings.

#include <map>
#include <string>

#include "host/engine/ComObject.h"
#include "host/framework/DataPad.h"
#include "host/framework/PrintService.h"
#include "platform/vantrel/HostApplication.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

class HostSettings : public ComObject<IHostSettings> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IHostSettings ? static_cast<IHostSettings*>(this) : nullptr;
    }
    void SetBool(const std::u16string& key, bool value) { mBools[key] = value; }

    HRESULT ReadBool(IAutoOvoString* key, BYTE defaultValue, BYTE* value) override;

private:
    std::map<std::u16string, bool> mBools;
};

// The application's display preferences, a part of it: its references are the application's.
class HostPreferences final : public IHostPreferences {
public:
    explicit HostPreferences(IUnknown& owner) : mOwner(owner) {}

    HRESULT QueryInterface(REFIID iid, void** out) override { return mOwner.QueryInterface(iid, out); }
    ULONG AddRef() override { return mOwner.AddRef(); }
    ULONG Release() override { return mOwner.Release(); }

    // A view's settings object, or null for the application's own preferences.
    void Set(IUnknown* viewSettings, DWORD id, DWORD value) { mValues[{viewSettings, id}] = value; }
    // A view's value, else the application's.
    HRESULT ReadPreference(IUnknown* viewSettings, DWORD id, DWORD* value) override;

private:
    IUnknown& mOwner;
    std::map<std::pair<IUnknown*, DWORD>, DWORD> mValues;
};

class HostApplication : public ComObject<IHostApplication> {
public:
    void* find(REFIID iid) override {
        if (iid == IID_IHostPreferences)
            return static_cast<IHostPreferences*>(&mPreferences);
        return iid == IID_IHostApplication ? static_cast<IHostApplication*>(this) : nullptr;
    }
    HostSettings& Settings() { return *mSettings.Get(); }
    // The module text shown (empty: none), and how often it was set.
    const std::u16string& ModuleText() const { return mModuleText; }
    int ModuleTextSets() const { return mModuleTextSets; }
    void SetModuleTextShown(std::u16string text) { mModuleText = std::move(text); }
    void SetHasSettings(bool has) { mHasSettings = has; }
    void SetMainWindow(HWND__* window) { mMainWindow = window; }
    // The window of the client area, where documents' views lie.
    void SetClientWindow(HWND__* window) { mClientWindow = window; }
    // The "ovo\application\visible" setting the module reads.
    void SetVisible(bool visible);

    HRESULT GetMainWindow(HWND__** window) override;
    HRESULT GetClientWindow(HWND__** window) override {
        if (window == nullptr)
            return E_POINTER;
        *window = mClientWindow;
        return mClientWindow != nullptr ? S_OK : S_FALSE;
    }
    // Shown as a platform message box (recorded and answered by the desktop).
    HRESULT ShowMessageBox(DWORD reserved, HWND__* owner, LPCWSTR text, LPCWSTR caption, UINT style,
                           DWORD helpContext, INT* button) override;

    HRESULT GetModuleTextState(DWORD which, DWORD* state) override;
    HRESULT SetModuleText(DWORD which, IAutoOvoString* text) override;
    HRESULT GetUiLanguage(WORD* language) override {
        if (language == nullptr)
            return E_POINTER;
        *language = mUiLanguage;
        return S_OK;
    }
    void SetUiLanguage(WORD language) { mUiLanguage = language; }
    HRESULT GetSettings(IHostSettings** settings) override;
    HRESULT GetPrintService(IHostPrintService** service) override;
    PrintService& Printer() { return *mPrinter.Get(); }
    // The application's Data Pad.
    DataPad& Pad() { return *mPad.Get(); }
    HostPreferences& Preferences() { return mPreferences; }

private:
    WORD mUiLanguage = 0x0409; // US English
    ComPtr<HostSettings> mSettings = ComPtr<HostSettings>::Adopt(new HostSettings);
    std::u16string mModuleText;
    int mModuleTextSets = 0;
    bool mHasSettings = true;
    HWND__* mClientWindow = nullptr;
    HWND__* mMainWindow = nullptr;
    HostPreferences mPreferences{*this};
    ComPtr<PrintService> mPrinter = ComPtr<PrintService>::Adopt(new PrintService);
    ComPtr<DataPad> mPad = ComPtr<DataPad>::Adopt(new DataPad);
};

} // namespace Vantrel
