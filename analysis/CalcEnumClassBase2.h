#pragma once
// The class object of a calculation class: a static object that describes the
// class to the host (ICalcEnumClass2, with ICAFClassObject) and its parameter
// table (ICalcEnumNumericParams), and creates its enumerators. Reference
// counting does nothing: class objects live as long as the module.

#include "analysis/CalcEnumDescriptor.h"
#include "analysis/CalcEnumEventBase.h"
#include "platform/vantrel/ICalcEnumClass2.h"
#include "platform/vantrel/ICalcEnumNumericParams.h"

namespace CalcEnums {

class CalcEnumClassBase2 : public ICalcEnumClass2, public ICalcEnumNumericParams {
public:
    CalcEnumClassBase2(const CalcEnumDescriptor& descriptor, const ParamTable& table)
        : mDescriptor(descriptor), mTable(table) {}
    CalcEnumClassBase2(const CalcEnumClassBase2&) = delete;
    CalcEnumClassBase2& operator=(const CalcEnumClassBase2&) = delete;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }

    HRESULT GetClassId(DWORD* id) override;
    HRESULT GetTypeGuid(const GUID** type) override;
    HRESULT GetNameBSTR(BSTR* name) override;
    HRESULT IsTypeGuid(const GUID* type) override;
    HRESULT GetName(IAutoOvoString** name) override;
    HRESULT GetDescription(IAutoOvoString** text) override;
    DWORD GetOutputKind() override { return mDescriptor.outputKind; }
    HRESULT CreateEnumerator(IUnknown* host, ICalcEnum** out) override;
    HRESULT CreateAggregated(IUnknown* host, IUnknown* outer, IUnknown** inner) override;

    HRESULT GetOutputName(LONG index, IAutoOvoString** name) override;
    HRESULT GetParamInfo(IAutoOvoString** name, DWORD* classId, LONG* paramCount, LONG* sourceCount,
                         DWORD* flags, DWORD* argFlags) override;
    HRESULT GetParam(LONG index, double* maximum, double* minimum, DWORD* kind,
                     IAutoOvoString** name) override;
    HRESULT CheckSourceKind(LONG index, DWORD kind) override;

protected:
    ~CalcEnumClassBase2() = default;
    // A new enumerator with one (creation) reference.
    virtual CalcEnumEventBase* NewEnumerator() = 0;

private:
    const CalcEnumDescriptor& mDescriptor;
    const ParamTable& mTable;
};

// The class object of enumerator type E (constructible from its class object).
template <class E> class CalcEnumNumericParamsClass : public CalcEnumClassBase2 {
public:
    using CalcEnumClassBase2::CalcEnumClassBase2;

protected:
    CalcEnumEventBase* NewEnumerator() override { return new E(this); }
};

} // namespace CalcEnums
