#include "host/framework/HostApplication.h"

#include "host/framework/Text.h"
#include "platform/user/msgbox_api.h"

namespace Vantrel {

HRESULT HostSettings::ReadBool(IAutoOvoString* key, BYTE defaultValue, BYTE* value) {
    if (value == nullptr)
        return E_POINTER;
    auto it = mBools.find(ReadString(key));
    *value = it == mBools.end() ? defaultValue : (it->second ? 1 : 0);
    return S_OK;
}

HRESULT HostApplication::GetModuleTextState(DWORD, DWORD* state) {
    if (state == nullptr)
        return E_POINTER;
    *state = mModuleText.empty() ? 0 : 1;
    return S_OK;
}

HRESULT HostApplication::SetModuleText(DWORD, IAutoOvoString* text) {
    mModuleText = ReadString(text);
    ++mModuleTextSets;
    return S_OK;
}

HRESULT HostApplication::GetSettings(IHostSettings** settings) {
    if (settings == nullptr)
        return E_POINTER;
    *settings = nullptr;
    if (!mHasSettings)
        return E_NOINTERFACE;
    mSettings->AddRef();
    *settings = mSettings.Get();
    return S_OK;
}

void HostApplication::SetVisible(bool visible) {
    mSettings->SetBool(u"ovo\\application\\visible", visible);
}

HRESULT HostApplication::GetMainWindow(HWND__** window) {
    if (window == nullptr)
        return E_POINTER;
    *window = mMainWindow;
    return S_OK;
}

HRESULT HostApplication::ShowMessageBox(DWORD, HWND__* owner, LPCWSTR text, LPCWSTR caption, UINT style,
                                        DWORD, INT* button) {
    if (button == nullptr)
        return E_POINTER;
    *button = MessageBoxW(owner, text, caption, style);
    return S_OK;
}

HRESULT HostPreferences::ReadPreference(IUnknown* viewSettings, DWORD id, DWORD* value) {
    if (value == nullptr)
        return E_POINTER;
    auto it = mValues.find({viewSettings, id});
    if (it == mValues.end())
        it = mValues.find({nullptr, id});
    if (it == mValues.end())
        return E_INVALIDARG;
    *value = it->second;
    return S_OK;
}

HRESULT HostApplication::GetPrintService(IHostPrintService** service) {
    if (service == nullptr)
        return E_POINTER;
    *service = mPrinter.Get();
    (*service)->AddRef();
    return S_OK;
}

} // namespace Vantrel
