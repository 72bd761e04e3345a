#include "host/engine/CalcObject.h"

#include "host/framework/Text.h"

namespace Vantrel {

HRESULT CalcObject::SetTexts(IAutoOvoString* name, IAutoOvoString* formula, WORD) {
    mName = ReadString(name);
    mFormula = ReadString(formula);
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
