#include "host/engine/CalcObject.h"

namespace Vantrel {

HRESULT CalcObject::SetTexts(IAutoOvoString* name, IAutoOvoString* formula, WORD) {
    mName = name ? Ovo::String(name) : Ovo::String();
    mFormula = formula ? Ovo::String(formula) : Ovo::String();
    return S_OK;
}

void* CalcObject::find(REFIID iid) {
    if (iid == IID_ICalcObject)
        return static_cast<ICalcObject*>(this);
    if (iid == IID_ICalcObjectText)
        return static_cast<ICalcObjectText*>(this);
    return nullptr;
}

} // namespace Vantrel
