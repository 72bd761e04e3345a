#include "TestCalcClass.h"

#include "analysis/OvoEventBase.h"
#include "core/String.h"

namespace Vantrel::Testing {

HRESULT HandOutText(const std::string& text, IAutoOvoString** out) {
    if (!out)
        return E_POINTER;
    *out = Ovo::String::FromUtf8(text).GetInterface();
    return S_OK;
}

void* TestCalcClass::find(REFIID iid) {
    if (iid == IID_ICalcEnumClass2 || iid == IID_ICAFClassObject)
        return static_cast<ICalcEnumClass2*>(this);
    return iid == IID_ICalcEnumNumericParams ? static_cast<ICalcEnumNumericParams*>(this) : nullptr;
}

HRESULT TestCalcClass::GetClassId(DWORD* id) {
    return *id = mShape.classId, S_OK;
}
HRESULT TestCalcClass::GetTypeGuid(const GUID** type) {
    return *type = &kCalcEnumClassType, S_OK;
}
HRESULT TestCalcClass::GetNameBSTR(BSTR* name) {
    SysFreeString(*name);
    *name = Ovo::String::FromUtf8(mShape.name).AllocBSTR();
    return S_OK;
}
HRESULT TestCalcClass::IsTypeGuid(const GUID* type) {
    return type && *type == kCalcEnumClassType ? S_OK : S_FALSE;
}
HRESULT TestCalcClass::GetName(IAutoOvoString** name) {
    return HandOutText(mShape.name, name);
}
HRESULT TestCalcClass::GetDescription(IAutoOvoString** text) {
    return HandOutText(mShape.description, text);
}

HRESULT TestCalcClass::GetOutputName(LONG index, IAutoOvoString** name) {
    return HandOutText(index == 0 && !mShape.outputName.empty() ? mShape.outputName : "ALEND", name);
}

HRESULT TestCalcClass::GetParamInfo(IAutoOvoString** name, DWORD* classId, LONG* paramCount,
                                    LONG* sourceCount, DWORD* flags, DWORD* argFlags) {
    if (name)
        HandOutText(mShape.name, name);
    if (classId)
        *classId = mShape.classId;
    if (paramCount)
        *paramCount = static_cast<LONG>(mShape.params.size());
    if (sourceCount)
        *sourceCount = mShape.sourceCount;
    if (flags)
        *flags = mShape.flags;
    if (argFlags)
        *argFlags = kCalcClassNumericArgs;
    return S_OK;
}

HRESULT TestCalcClass::GetParam(LONG index, double* maximum, double* minimum, DWORD* kind,
                                IAutoOvoString** name) {
    if (index < 0 || index >= static_cast<LONG>(mShape.params.size()))
        return E_INVALIDARG;
    const FakeParam& p = mShape.params[static_cast<std::size_t>(index)];
    if (maximum)
        *maximum = p.maximum;
    if (minimum)
        *minimum = p.minimum;
    if (kind)
        *kind = index < mShape.sourceCount ? p.kind : kCalcParamEvents;
    if (name)
        HandOutText(p.name, name);
    return S_OK;
}

HRESULT TestCalcClass::CheckSourceKind(LONG index, DWORD kind) {
    if (index < 0 || index >= mShape.sourceCount)
        return E_INVALIDARG;
    return (kind & mShape.params[static_cast<std::size_t>(index)].kind) != 0 ? S_OK : S_FALSE;
}

HRESULT TestCalcEnumerator::GetEventSize(ULONG* bytes) {
    return *bytes = sizeof(OvoEventBase), S_OK;
}

void* TestCalcEnumerator::find(REFIID iid) {
    if (iid == IID_ICalcEnum)
        return static_cast<ICalcEnum*>(this);
    return iid == IID_IEnumEventEx ? static_cast<IEnumEventEx*>(this) : nullptr;
}

} // namespace Vantrel::Testing
