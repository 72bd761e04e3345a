#include "host/framework/HostApplication.h"

#include "host/framework/Text.h"

namespace Vantrel {

HRESULT HostSettings::ReadBool(IAutoOvoString* key, BYTE defaultValue, BYTE* value) {
    if (value == nullptr)
        return E_POINTER;
    auto it = m_bools.find(ReadString(key));
    *value = it == m_bools.end() ? defaultValue : (it->second ? 1 : 0);
    return S_OK;
}

HRESULT HostApplication::GetModuleTextState(DWORD, DWORD* state) {
    if (state == nullptr)
        return E_POINTER;
    *state = m_moduleText.empty() ? 0 : 1;
    return S_OK;
}

HRESULT HostApplication::SetModuleText(DWORD, IAutoOvoString* text) {
    m_moduleText = ReadString(text);
    ++m_moduleTextSets;
    return S_OK;
}

HRESULT HostApplication::GetSettings(IHostSettings** settings) {
    if (settings == nullptr)
        return E_POINTER;
    *settings = nullptr;
    if (!m_hasSettings)
        return E_NOINTERFACE;
    m_settings->AddRef();
    *settings = m_settings.Get();
    return S_OK;
}

} // namespace Vantrel
