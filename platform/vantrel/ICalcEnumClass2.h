#pragma once
// ICalcEnumClass2: a calculation class, the factory of the enumerators of one
// function that channel formulas may name. Its class object also answers
// ICalcEnumNumericParams, which describes the function's parameters.

#include "platform/vantrel/IAutoOvoString.h"
#include "platform/vantrel/ICAFClassObject.h"
#include "platform/vantrel/ICalcEnum.h"

inline constexpr IID IID_ICalcEnumClass2 = MakeGuid("{48436189-60B9-47D1-A159-6BF8B43E294F}");
// The type GUID every calculation class answers in ICAFClassObject::GetTypeGuid.
inline constexpr GUID kCalcEnumClassType = MakeGuid("{8FC37F03-9357-11D4-8112-00A0C9E26433}");

struct ICalcEnumClass2 : ICAFClassObject {
    virtual HRESULT GetName(IAutoOvoString** name) = 0;        // slot 7: the class name
    virtual HRESULT GetDescription(IAutoOvoString** text) = 0; // slot 8
    virtual DWORD GetOutputKind() = 0;                         // slot 9: 0 for the module's classes
    virtual HRESULT Reserved10() { return E_NOTIMPL; }         // slot 10
    // A new enumerator, its host set to host when that is not null.
    virtual HRESULT CreateEnumerator(IUnknown* host, ICalcEnum** out) = 0; // slot 11
    // A new enumerator aggregated into outer (COM aggregation): *inner is its non-delegating IUnknown.
    virtual HRESULT CreateAggregated(IUnknown* host, IUnknown* outer, IUnknown** inner) = 0; // slot 12

protected:
    ~ICalcEnumClass2() = default;
};
