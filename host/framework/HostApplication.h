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

    HRESULT Reserved3() override { return E_NOTIMPL; }
    HRESULT Reserved4() override { return E_NOTIMPL; }
    HRESULT Reserved5() override { return E_NOTIMPL; }
    HRESULT Reserved6() override { return E_NOTIMPL; }
    HRESULT Reserved7() override { return E_NOTIMPL; }
    HRESULT Reserved8() override { return E_NOTIMPL; }
    HRESULT Reserved9() override { return E_NOTIMPL; }
    HRESULT Reserved10() override { return E_NOTIMPL; }
    HRESULT Reserved11() override { return E_NOTIMPL; }
    HRESULT Reserved12() override { return E_NOTIMPL; }
    HRESULT Reserved13() override { return E_NOTIMPL; }
    HRESULT Reserved14() override { return E_NOTIMPL; }
    HRESULT Reserved15() override { return E_NOTIMPL; }
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
    HRESULT Reserved5() override { return E_NOTIMPL; }
    HRESULT Reserved6() override { return E_NOTIMPL; }
    HRESULT Reserved7() override { return E_NOTIMPL; }
    HRESULT Reserved8() override { return E_NOTIMPL; }
    HRESULT Reserved9() override { return E_NOTIMPL; }
    HRESULT Reserved10() override { return E_NOTIMPL; }
    HRESULT Reserved11() override { return E_NOTIMPL; }
    HRESULT Reserved12() override { return E_NOTIMPL; }
    HRESULT Reserved13() override { return E_NOTIMPL; }
    HRESULT Reserved14() override { return E_NOTIMPL; }
    HRESULT Reserved15() override { return E_NOTIMPL; }
    HRESULT Reserved16() override { return E_NOTIMPL; }
    HRESULT Reserved17() override { return E_NOTIMPL; }
    HRESULT Reserved18() override { return E_NOTIMPL; }
    HRESULT Reserved19() override { return E_NOTIMPL; }
    HRESULT Reserved20() override { return E_NOTIMPL; }
    HRESULT Reserved21() override { return E_NOTIMPL; }
    HRESULT Reserved22() override { return E_NOTIMPL; }
    HRESULT Reserved23() override { return E_NOTIMPL; }
    HRESULT Reserved24() override { return E_NOTIMPL; }
    HRESULT Reserved25() override { return E_NOTIMPL; }
    HRESULT Reserved26() override { return E_NOTIMPL; }
    HRESULT Reserved27() override { return E_NOTIMPL; }
    HRESULT Reserved28() override { return E_NOTIMPL; }
    HRESULT Reserved29() override { return E_NOTIMPL; }
    HRESULT Reserved30() override { return E_NOTIMPL; }
    HRESULT Reserved31() override { return E_NOTIMPL; }
    HRESULT Reserved32() override { return E_NOTIMPL; }
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
