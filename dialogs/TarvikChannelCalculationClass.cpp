#include "dialogs/TarvikChannelCalculationClass.h"

#include "core/ResourceStrings.h"
#include "dialogs/TarvikChannelCalculationDlg.h"
#include "document/TarvikChannelCalculation.h"
#include "module/MessageIds.h"
#include "module/ModuleInstance.h"

namespace Tarvik {
namespace {

constexpr UINT kNameString = 104;
constexpr UINT kDescriptionString = 185;
constexpr int kCancelled = 2;

using Settings = TarvikChannelCalculation::Settings;

HRESULT Answer(const GUID& mine, REFIID iid, IUnknown* object, void** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = iid == IID_IUnknown || iid == IID_ICAFClassObject || iid == mine ? object : nullptr;
    return *out != nullptr ? S_OK : E_NOINTERFACE;
}

HRESULT PutString(UINT id, BSTR* out) {
    Ovo::String text;
    Ovo::LoadResString(text, ModuleInstance(), id, false);
    return text.PutBSTR(out);
}

HRESULT ClassId(WORD number, DWORD* id) {
    if (id == nullptr)
        return E_POINTER;
    *id = number == 0 ? MsgIdClass<HostMsgGuidC9C5, 0>::Id() : MsgIdClass<HostMsgGuidC9C5, 1>::Id();
    return S_OK;
}

HRESULT SameGuid(const GUID& mine, const GUID* type) {
    return type != nullptr && *type == mine ? S_OK : S_FALSE;
}

// The parent window's framework object, or an alias made for it while the dialog runs.
struct ParentWindow {
    explicit ParentWindow(HWND handle) {
        window = OWL::GetWindowPtr(handle);
        if (window == nullptr && handle != nullptr)
            window = alias = new OWL::TWindow(handle);
    }
    ~ParentWindow() { delete alias; }
    ParentWindow(const ParentWindow&) = delete;
    ParentWindow& operator=(const ParentWindow&) = delete;

    OWL::TWindow* window = nullptr;
    OWL::TWindow* alias = nullptr;
};

} // namespace

TarvikChannelCalculationClass& ChannelCalculationClass() {
    static TarvikChannelCalculationClass object;
    return object;
}

TarvikChannelCalculationSettingsClass& ChannelCalculationSettingsClass() {
    static TarvikChannelCalculationSettingsClass object;
    return object;
}

// --- The calculation class ----------------------------------------------------------------------

HRESULT TarvikChannelCalculationClass::QueryInterface(REFIID iid, void** out) {
    return Answer(IID_ICalculationClass, iid, static_cast<ICalculationClass*>(this), out);
}

HRESULT TarvikChannelCalculationClass::GetClassId(DWORD* id) {
    return ClassId(0, id);
}

HRESULT TarvikChannelCalculationClass::GetTypeGuid(const GUID** type) {
    if (type == nullptr)
        return E_POINTER;
    *type = &IID_ICalculationClass;
    return S_OK;
}

HRESULT TarvikChannelCalculationClass::GetNameBSTR(BSTR* name) {
    return PutString(kNameString, name);
}

HRESULT TarvikChannelCalculationClass::IsTypeGuid(const GUID* type) {
    return SameGuid(IID_ICalculationClass, type);
}

HRESULT TarvikChannelCalculationClass::GetDescription(BSTR* description) {
    return PutString(kDescriptionString, description);
}

HRESULT TarvikChannelCalculationClass::GetFlags(DWORD* flags) {
    if (flags == nullptr)
        return E_POINTER;
    *flags = 0;
    return S_OK;
}

HRESULT TarvikChannelCalculationClass::EditSettings(HWND parent, IUnknown* hostDocument, LONG channel,
                                                    IPersistObject* existing, IPersistObject** result) {
    if (result == nullptr)
        return E_POINTER;
    *result = nullptr;
    const auto* given = dynamic_cast<Settings*>(existing);
    auto settings = ComPtr<Settings>::Adopt(given != nullptr ? given->Copy() : Settings::Create(channel));
    {
        ParentWindow owner(parent);
        TarvikChannelCalculationDlg dialog(owner.window, hostDocument, *settings.Get());
        if (dialog.Execute() == kCancelled)
            return S_FALSE;
    }
    TarvikChannelCalculation::ScaleToData(*settings.Get(), hostDocument);
    *result = settings.Detach();
    return S_OK;
}

HRESULT TarvikChannelCalculationClass::CreateCalculation(IChannelCalcContext* context, DWORD word1,
                                                         DWORD word2, IUnknown* hostDocument,
                                                         IUnknown** calculation) {
    if (calculation == nullptr)
        return E_POINTER;
    *calculation = nullptr;
    if (hostDocument == nullptr)
        return E_FAIL;
    // Made with one reference, handed out through the evaluator's interface.
    auto made = ComPtr<TarvikChannelCalculation>::Adopt(
        new TarvikChannelCalculation(context, word1, word2, hostDocument));
    return made->QueryInterface(IID_IChannelDataReset, reinterpret_cast<void**>(calculation));
}

// --- The settings class -------------------------------------------------------------------------

HRESULT TarvikChannelCalculationSettingsClass::QueryInterface(REFIID iid, void** out) {
    return Answer(IID_IPersistClassObject, iid, static_cast<IPersistClassObject*>(this), out);
}

HRESULT TarvikChannelCalculationSettingsClass::GetClassId(DWORD* id) {
    return ClassId(1, id);
}

HRESULT TarvikChannelCalculationSettingsClass::GetTypeGuid(const GUID** type) {
    if (type == nullptr)
        return E_POINTER;
    *type = &IID_IPersistClassObject;
    return S_OK;
}

HRESULT TarvikChannelCalculationSettingsClass::GetNameBSTR(BSTR* name) {
    return Ovo::String(u"Settings").PutBSTR(name);
}

HRESULT TarvikChannelCalculationSettingsClass::IsTypeGuid(const GUID* type) {
    return SameGuid(IID_IPersistClassObject, type);
}

HRESULT TarvikChannelCalculationSettingsClass::CreateObject(IPersistObject** settings) {
    if (settings == nullptr)
        return E_POINTER;
    *settings = Settings::Create();
    return S_OK;
}

HRESULT TarvikChannelCalculationSettingsClass::LoadObject(IBinInStream* stream, IPersistObject** settings) {
    if (settings == nullptr)
        return E_POINTER;
    *settings = nullptr;
    auto made = ComPtr<Settings>::Adopt(Settings::Create());
    const HRESULT hr = stream != nullptr ? made->Load(stream) : E_POINTER;
    if (FAILED(hr))
        return hr;
    *settings = made.Detach();
    return S_OK;
}

} // namespace Tarvik
