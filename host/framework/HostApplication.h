#pragma once
// The host application object (a COM class of its own) with the module text it
// shows and its settings.

#include <map>
#include <string>

#include "host/engine/ComObject.h"
#include "platform/vantrel/HostApplication.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

class HostSettings : public ComObject<IHostSettings> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IHostSettings ? static_cast<IHostSettings*>(this) : nullptr;
    }
    void SetBool(const std::u16string& key, bool value) { m_bools[key] = value; }

    HRESULT ReadBool(IAutoOvoString* key, BYTE defaultValue, BYTE* value) override;

private:
    std::map<std::u16string, bool> m_bools;
};

class HostApplication : public ComObject<IHostApplication> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IHostApplication ? static_cast<IHostApplication*>(this) : nullptr;
    }
    HostSettings& Settings() { return *m_settings.Get(); }
    // The module text shown (empty: none), and how often it was set.
    const std::u16string& ModuleText() const { return m_moduleText; }
    int ModuleTextSets() const { return m_moduleTextSets; }
    void SetModuleTextShown(std::u16string text) { m_moduleText = std::move(text); }
    void SetHasSettings(bool has) { m_hasSettings = has; }

    HRESULT GetModuleTextState(DWORD which, DWORD* state) override;
    HRESULT SetModuleText(DWORD which, IAutoOvoString* text) override;
    HRESULT GetUiLanguage(BYTE* language) override {
        if (language == nullptr)
            return E_POINTER;
        *language = m_uiLanguage;
        return S_OK;
    }
    void SetUiLanguage(BYTE language) { m_uiLanguage = language; }
    HRESULT GetSettings(IHostSettings** settings) override;

private:
    BYTE m_uiLanguage = 9; // English
    ComPtr<HostSettings> m_settings = ComPtr<HostSettings>::Adopt(new HostSettings);
    std::u16string m_moduleText;
    int m_moduleTextSets = 0;
    bool m_hasSettings = true;
};

} // namespace Vantrel
