#include "host/engine/UnitService.h"

#include "core/IBinInStream.h"
#include "core/IBinOutStream.h"
#include "core/String.h"
#include "host/engine/ComPtr.h"
#include "host/engine/UnitName.h"

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
    *out = new UnitName(prefixCode, baseText ? Ovo::String(baseText) : Ovo::String());
    return S_OK;
}

HRESULT UnitService::ReadUnit(IBinInStream* in, IUnknown** unit) {
    if (!in || !unit)
        return E_POINTER;
    *unit = nullptr;
    DWORD prefix = 0;
    Ovo::String base;
    try {
        if (FAILED(in->ReadU32(&prefix)) || FAILED(in->ReadString(Ovo::OvoStringOutParam(base))) ||
            FAILED(in->GetStatus()) || !validPrefix(static_cast<LONG>(prefix)))
            return E_FAIL;
    } catch (...) { // a malformed string record
        return E_FAIL;
    }
    *unit = static_cast<IUnitName*>(new UnitName(static_cast<LONG>(prefix), base));
    return S_OK;
}

HRESULT UnitService::WriteUnit(IBinOutStream* out, IUnknown* unit) {
    if (!out || !unit)
        return E_POINTER;
    ComPtr<IUnitName> name = ComPtr<IUnknown>(unit).query<IUnitName>(IID_IUnitName);
    LONG prefix = 0;
    ComPtr<IAutoOvoString> base;
    if (!name || FAILED(name->GetPrefixCode(&prefix)) || FAILED(name->GetBaseText(base.put())))
        return E_INVALIDARG;
    out->WriteU32(static_cast<DWORD>(prefix));
    out->WriteString(base.get());
    return out->GetStatus() == S_OK ? S_OK : E_FAIL;
}

HRESULT UnitService::GetDefaultUnit(LONG, IUnknown** unit) {
    if (!unit)
        return E_POINTER;
    *unit = static_cast<IUnitName*>(new UnitName(firstPrefix, Ovo::String("V")));
    return S_OK;
}

} // namespace Vantrel
