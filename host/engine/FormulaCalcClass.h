#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/ICalcEnumClass2.h"
#include "platform/vantrel/ICalcEnumNumericParams.h"
#include "platform/vantrel/ICalcService.h"

namespace Vantrel {

/// The host's formula calculation: a calculation class named "Formula" whose enumerators take a
/// whole formula text as their argument text and evaluate it on the document they were created
/// for (FormulaEnumerator). This is how a reader that knows only a class and a text, such as the
/// module's event reader, has any formula computed. It has no parameters of its own. The class
/// lookup (which finds the calculation classes the formulas name) must outlive it.
class FormulaCalcClass : public ComObject<ICalcEnumClass2, ICalcEnumNumericParams> {
public:
    static constexpr const char* name = "Formula";

    /// classId: the class id it answers (the host's number of its class GUID in the high word).
    FormulaCalcClass(ICalcService* classes, DWORD classId = 0);

    HRESULT GetClassId(DWORD* id) override;
    HRESULT GetTypeGuid(const GUID** type) override;
    HRESULT GetNameBSTR(BSTR* name) override;
    HRESULT IsTypeGuid(const GUID* type) override;
    HRESULT GetName(IAutoOvoString** name) override;
    HRESULT GetDescription(IAutoOvoString** text) override;
    DWORD GetOutputKind() override { return 0; }
    /// host: the document (a DocumentData) the formula reads.
    HRESULT CreateEnumerator(IUnknown* host, ICalcEnum** out) override;
    HRESULT CreateAggregated(IUnknown* host, IUnknown* outer, IUnknown** inner) override;

    HRESULT GetOutputName(LONG index, IAutoOvoString** name) override;
    HRESULT GetParamInfo(IAutoOvoString** name, DWORD* classId, LONG* paramCount, LONG* sourceCount,
                         DWORD* flags, DWORD* argFlags) override;
    HRESULT GetParam(LONG index, double* maximum, double* minimum, DWORD* kind,
                     IAutoOvoString** name) override;
    HRESULT CheckSourceKind(LONG index, DWORD kind) override;

private:
    void* find(REFIID iid) override;

    ICalcService* mClasses;
    DWORD mClassId;
};

} // namespace Vantrel
