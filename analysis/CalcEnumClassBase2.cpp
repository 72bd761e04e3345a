#include "analysis/CalcEnumClassBase2.h"

#include "analysis/EventDrawClasses.h"

namespace CalcEnums {

namespace {

GuidNumberSource gGuidNumbers = nullptr;

ParamTable Described(const CalcEnumDescriptor& descriptor, const ParamTable& table) {
    ParamTable record = table;
    record.name = descriptor.name;
    record.description = descriptor.description;
    record.outputKind = descriptor.outputKind;
    return record;
}

} // namespace

void SetGuidNumberSource(GuidNumberSource source) {
    gGuidNumbers = source;
}

DWORD EventDrawClassId(WORD number) {
    WORD space = 0;
    if (!gGuidNumbers || !gGuidNumbers(Tarvik::TarvikEventDrawGUID, space))
        return 0;
    return (DWORD{space} << 16) | number;
}

CalcEnumClassBase2::CalcEnumClassBase2(const CalcEnumDescriptor& descriptor, const ParamTable& table)
    : Object(Described(descriptor, table)), mDescriptor(descriptor) {}

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
    return index < 0 ? E_INVALIDARG : Object::GetOutputName(index, name);
}

} // namespace CalcEnums
