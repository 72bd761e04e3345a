#include "analysis/CalcEnumClassBase2.h"

#include "core/String.h"

namespace CalcEnums {

namespace {

GuidNumberSource gGuidNumbers = nullptr;

const wchar_t kEndOfOutputs[] = L"ALEND";

HRESULT HandOutText(const wchar_t* text, IAutoOvoString** out) {
    if (!out)
        return E_POINTER;
    *out = Ovo::String(text).GetInterface();
    return S_OK;
}

} // namespace

void SetGuidNumberSource(GuidNumberSource source) {
    gGuidNumbers = source;
}

HRESULT CalcEnumClassBase2::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_ICAFClassObject || iid == IID_ICalcEnumClass2)
        *out = static_cast<ICalcEnumClass2*>(this);
    else if (iid == IID_ICalcEnumNumericParams)
        *out = static_cast<ICalcEnumNumericParams*>(this);
    else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    return S_OK;
}

// Asked of the host once per class; the answer is kept in the descriptor.
HRESULT CalcEnumClassBase2::GetClassId(DWORD* id) {
    if (!id)
        return E_POINTER;
    DWORD cached = mDescriptor.cachedClassId.load();
    WORD number = 0;
    if (cached == 0) {
        if (!gGuidNumbers || !gGuidNumbers(*mDescriptor.classGuid, number)) {
            *id = 0;
            return E_FAIL;
        }
        cached = (DWORD{number} << 16) | mDescriptor.subId;
        mDescriptor.cachedClassId.store(cached);
    }
    *id = cached;
    return S_OK;
}

HRESULT CalcEnumClassBase2::GetTypeGuid(const GUID** type) {
    if (!type)
        return E_POINTER;
    *type = &kCalcEnumClassType;
    return S_OK;
}

HRESULT CalcEnumClassBase2::GetNameBSTR(BSTR* name) {
    if (!name)
        return E_POINTER;
    SysFreeString(*name);
    *name = Ovo::String(mDescriptor.name).AllocBSTR();
    return S_OK;
}

HRESULT CalcEnumClassBase2::IsTypeGuid(const GUID* type) {
    return type && (type == &kCalcEnumClassType || *type == kCalcEnumClassType) ? S_OK : S_FALSE;
}

HRESULT CalcEnumClassBase2::GetName(IAutoOvoString** name) {
    return HandOutText(mDescriptor.name, name);
}

HRESULT CalcEnumClassBase2::GetDescription(IAutoOvoString** text) {
    return HandOutText(mDescriptor.description, text);
}

HRESULT CalcEnumClassBase2::CreateEnumerator(IUnknown* host, ICalcEnum** out) {
    if (!out)
        return E_POINTER;
    CalcEnumEventBase* calc = NewEnumerator();
    if (host)
        calc->SetHost(host);
    return CalcEnumEventBase::HandOut(calc, IID_ICalcEnum, reinterpret_cast<void**>(out));
}

HRESULT CalcEnumClassBase2::CreateAggregated(IUnknown* host, IUnknown* outer, IUnknown** inner) {
    if (!inner)
        return E_POINTER;
    *inner = nullptr;
    if (!outer)
        return E_INVALIDARG;
    CalcEnumEventBase* calc = NewEnumerator();
    if (host)
        calc->SetHost(host);
    *inner = calc->Aggregate(outer);
    return S_OK;
}

HRESULT CalcEnumClassBase2::GetOutputName(LONG index, IAutoOvoString** name) {
    if (index < 0)
        return E_INVALIDARG;
    return HandOutText(index < mTable.outputCount ? mTable.outputNames[index] : kEndOfOutputs, name);
}

HRESULT CalcEnumClassBase2::GetParamInfo(IAutoOvoString** name, DWORD* classId, LONG* paramCount,
                                         LONG* sourceCount, DWORD* flags, DWORD* argFlags) {
    if (name)
        GetName(name);
    if (classId)
        GetClassId(classId);
    if (paramCount)
        *paramCount = mTable.count;
    if (sourceCount)
        *sourceCount = mTable.sourceCount;
    if (flags)
        *flags = mTable.flags;
    if (argFlags)
        *argFlags = mTable.argFlags;
    return S_OK;
}

HRESULT CalcEnumClassBase2::GetParam(LONG index, double* maximum, double* minimum, DWORD* kind,
                                     IAutoOvoString** name) {
    if (index < 0 || index >= mTable.count)
        return E_INVALIDARG;
    const ParamRow& row = mTable.rows[index];
    if (maximum)
        *maximum = row.maximum;
    if (minimum)
        *minimum = row.minimum;
    if (kind)
        *kind = row.kind;
    if (name)
        HandOutText(row.name, name);
    return S_OK;
}

HRESULT CalcEnumClassBase2::CheckSourceKind(LONG index, DWORD kind) {
    if (index < 0 || index >= mTable.sourceCount)
        return E_INVALIDARG;
    return (kind & mTable.rows[index].kind) != 0 ? S_OK : S_FALSE;
}

} // namespace CalcEnums
