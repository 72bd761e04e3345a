#include "TestCalcClass.h"

#include "core/String.h"

namespace Vantrel::Testing {

IAutoOvoString* TestClassTraits::String(std::string_view text) {
    return Ovo::String::FromUtf8(text).GetInterface();
}

HRESULT HandOutText(const std::string& text, IAutoOvoString** out) {
    if (!out)
        return E_POINTER;
    *out = TestClassTraits::String(text);
    return S_OK;
}

BSTR TestClassTraits::Bstr(std::string_view text) {
    return Ovo::String::FromUtf8(text).AllocBSTR();
}

TestCalcClass::TestCalcClass(CalcClassShape shape) : mShape(std::move(shape)) {
    for (std::size_t i = 0; i < mShape.params.size(); ++i)
        if (static_cast<LONG>(i) >= mShape.sourceCount)
            mShape.params[i].kind = kCalcParamEvents;
    mRecord = {.name = mShape.name,
               .description = mShape.description,
               .classId = mShape.classId,
               .params = mShape.params,
               .sourceCount = mShape.sourceCount,
               .flags = mShape.flags,
               .argFlags = kCalcClassNumericArgs};
    mOutput = mShape.outputName;
    if (!mOutput.empty())
        mRecord.outputs = {&mOutput, 1};
}

void* TestCalcEnumerator::find(REFIID iid) {
    if (iid == IID_ICalcEnum)
        return static_cast<ICalcEnum*>(this);
    return iid == IID_IEnumEventEx ? static_cast<IEnumEventEx*>(this) : nullptr;
}

} // namespace Vantrel::Testing
