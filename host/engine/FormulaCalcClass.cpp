#include "host/engine/FormulaCalcClass.h"

#include "host/engine/FormulaEnumerator.h"
#include "host/framework/Text.h"

namespace Vantrel {

IAutoOvoString* HostClassTraits::String(std::string_view text) {
    return MakeString(Utf8ToUtf16(text));
}

BSTR HostClassTraits::Bstr(std::string_view text) {
    return MakeBstr(Utf8ToUtf16(text));
}

FormulaCalcClass::FormulaCalcClass(ICalcService* classes, DWORD classId)
    : Object({.name = FormulaCalcClass::name,
              .description = "Evaluates a formula text on a document.",
              .classId = classId}),
      mClasses(classes) {}

HRESULT FormulaCalcClass::CreateEnumerator(IUnknown* host, ICalcEnum** out) {
    if (!out)
        return E_POINTER;
    auto* calc = new FormulaEnumerator(mClasses, mRecord.classId);
    calc->SetHost(host);
    *out = calc;
    return S_OK;
}

} // namespace Vantrel
