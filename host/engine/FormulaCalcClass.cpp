#include "host/engine/FormulaCalcClass.h"

#include "host/engine/FormulaEnumerator.h"
#include "host/framework/Text.h"

namespace Vantrel {
namespace {

HRESULT handOut(const char* text, IAutoOvoString** out) {
    if (!out)
        return E_POINTER;
    *out = MakeString(Utf8ToUtf16(text));
    return S_OK;
}

} // namespace

FormulaCalcClass::FormulaCalcClass(ICalcService* classes, DWORD classId)
    : mClasses(classes), mClassId(classId) {}

void* FormulaCalcClass::find(REFIID iid) {
    if (iid == IID_ICalcEnumClass2 || iid == IID_ICAFClassObject)
        return static_cast<ICalcEnumClass2*>(this);
    if (iid == IID_ICalcEnumNumericParams)
        return static_cast<ICalcEnumNumericParams*>(this);
    return nullptr;
}

HRESULT FormulaCalcClass::GetClassId(DWORD* id) {
    if (!id)
        return E_POINTER;
    *id = mClassId;
    return S_OK;
}

HRESULT FormulaCalcClass::GetTypeGuid(const GUID** type) {
    if (!type)
        return E_POINTER;
    *type = &kCalcEnumClassType;
    return S_OK;
}

HRESULT FormulaCalcClass::GetNameBSTR(BSTR* name) {
    if (!name)
        return E_POINTER;
    SysFreeString(*name);
    *name = MakeBstr(Utf8ToUtf16(FormulaCalcClass::name));
    return S_OK;
}

HRESULT FormulaCalcClass::IsTypeGuid(const GUID* type) {
    return type && (type == &kCalcEnumClassType || *type == kCalcEnumClassType) ? S_OK : S_FALSE;
}

HRESULT FormulaCalcClass::GetName(IAutoOvoString** name) {
    return handOut(FormulaCalcClass::name, name);
}

HRESULT FormulaCalcClass::GetDescription(IAutoOvoString** text) {
    return handOut("Evaluates a formula text on a document.", text);
}

HRESULT FormulaCalcClass::CreateEnumerator(IUnknown* host, ICalcEnum** out) {
    if (!out)
        return E_POINTER;
    auto* calc = new FormulaEnumerator(mClasses, mClassId);
    calc->SetHost(host);
    *out = calc;
    return S_OK;
}

HRESULT FormulaCalcClass::CreateAggregated(IUnknown*, IUnknown*, IUnknown** inner) {
    if (inner)
        *inner = nullptr;
    return CLASS_E_NOAGGREGATION;
}

HRESULT FormulaCalcClass::GetOutputName(LONG, IAutoOvoString** name) {
    return handOut("ALEND", name);
}

HRESULT FormulaCalcClass::GetParamInfo(IAutoOvoString** name, DWORD* classId, LONG* paramCount,
                                       LONG* sourceCount, DWORD* flags, DWORD* argFlags) {
    if (name)
        handOut(FormulaCalcClass::name, name);
    if (classId)
        *classId = mClassId;
    if (paramCount)
        *paramCount = 0;
    if (sourceCount)
        *sourceCount = 0;
    if (flags)
        *flags = 0;
    if (argFlags)
        *argFlags = 0;
    return S_OK;
}

HRESULT FormulaCalcClass::GetParam(LONG, double*, double*, DWORD*, IAutoOvoString**) {
    return E_INVALIDARG;
}

HRESULT FormulaCalcClass::CheckSourceKind(LONG, DWORD) {
    return E_INVALIDARG;
}

} // namespace Vantrel
