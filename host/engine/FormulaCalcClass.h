#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/CalcClassObject.h"
#include "platform/vantrel/ICalcService.h"

#include <string_view>

namespace Vantrel {

/// A host class object: ref-counted, its texts UTF-8 handed out as host strings.
struct HostClassTraits {
    using Text = std::string_view;
    using Param = CalcClass::ParamRow<std::string_view>;
    using Base = ComObject<ICalcEnumClass2, ICalcEnumNumericParams>;
    static IAutoOvoString* String(std::string_view text);
    static BSTR Bstr(std::string_view text);
};

/// The host's formula calculation: a calculation class named "Formula" whose enumerators take a
/// whole formula text as their argument text and evaluate it on the document they were created
/// for (FormulaEnumerator). This is how a reader that knows only a class and a text, such as the
/// module's event reader, has any formula computed. It has no parameters of its own. The class
/// lookup (which finds the calculation classes the formulas name) must outlive it.
class FormulaCalcClass : public CalcClass::Object<HostClassTraits> {
public:
    static constexpr const char* name = "Formula";

    /// classId: the class id it answers (the host's number of its class GUID in the high word).
    FormulaCalcClass(ICalcService* classes, DWORD classId = 0);

    /// host: the document (a DocumentData) the formula reads.
    HRESULT CreateEnumerator(IUnknown* host, ICalcEnum** out) override;

private:
    ICalcService* mClasses;
};

} // namespace Vantrel
