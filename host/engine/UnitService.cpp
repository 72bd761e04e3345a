#include "host/engine/UnitService.h"

#include "host/engine/UnitName.h"
#include "host/framework/Text.h"
#include "platform/vantrel/IBinInStream.h"
#include "platform/vantrel/IBinOutStream.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {
namespace {

constexpr LONG firstPrefix = 1;
constexpr LONG lastPrefix = 11;

bool validPrefix(LONG code) {
    return code >= firstPrefix && code <= lastPrefix;
}

} // namespace

void* UnitService::find(REFIID iid) {
    return iid == IID_IUnitService ? static_cast<IUnitService*>(this) : nullptr;
}

HRESULT UnitService::CreateUnitName(LONG prefixCode, IAutoOvoString* baseText, IUnitName** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!validPrefix(prefixCode))
        return E_INVALIDARG;
    *out = new UnitName(prefixCode, ReadString(baseText));
    return S_OK;
}

HRESULT UnitService::ReadUnit(IBinInStream* in, IUnknown** unit) {
    if (!in || !unit)
        return E_POINTER;
    *unit = nullptr;
    DWORD prefix = 0;
    ComPtr<IAutoOvoString> base;
    try {
        if (FAILED(in->ReadU32(&prefix)) || FAILED(in->ReadString(base.Put())) || FAILED(in->GetStatus()) ||
            !validPrefix(static_cast<LONG>(prefix)))
            return E_FAIL;
    } catch (...) { // a malformed string record
        return E_FAIL;
    }
    *unit = static_cast<IUnitName*>(new UnitName(static_cast<LONG>(prefix), ReadString(base.Get())));
    return S_OK;
}

HRESULT UnitService::WriteUnit(IBinOutStream* out, IUnknown* unit) {
    if (!out || !unit)
        return E_POINTER;
    ComPtr<IUnitName> name = ComPtr<IUnknown>(unit).Query<IUnitName>(IID_IUnitName);
    LONG prefix = 0;
    ComPtr<IAutoOvoString> base;
    if (!name || FAILED(name->GetPrefixCode(&prefix)) || FAILED(name->GetBaseText(base.Put())))
        return E_INVALIDARG;
    out->WriteU32(static_cast<DWORD>(prefix));
    out->WriteString(base.Get());
    return out->GetStatus() == S_OK ? S_OK : E_FAIL;
}

HRESULT UnitService::GetDefaultUnit(LONG, IUnknown** unit) {
    if (!unit)
        return E_POINTER;
    *unit = static_cast<IUnitName*>(new UnitName(firstPrefix, u"V"));
    return S_OK;
}

} // namespace Vantrel
