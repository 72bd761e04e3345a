#include "host/engine/CalcClassCatalog.h"

#include "host/framework/Text.h"
#include "platform/vantrel/ICalcEnumNumericParams.h"

#include <algorithm>

namespace Vantrel {
namespace {

std::u16string lowerCase(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t& c : result)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return result;
}

} // namespace

void* CalcClassCatalog::find(REFIID iid) {
    return iid == IID_ICalcService ? static_cast<ICalcService*>(this) : nullptr;
}

bool CalcClassCatalog::add(IUnknown* classObject) {
    ComPtr<ICalcEnumClass2> calcClass =
        ComPtr<IUnknown>(classObject).Query<ICalcEnumClass2>(IID_ICalcEnumClass2);
    if (!calcClass)
        return false;
    Entry entry;
    ComPtr<IAutoOvoString> name;
    calcClass->GetName(name.Put());
    entry.name = lowerCase(ReadString(name.Get()));
    if (auto params = calcClass.Query<ICalcEnumNumericParams>(IID_ICalcEnumNumericParams)) {
        ComPtr<IAutoOvoString> output;
        params->GetOutputName(0, output.Put());
        if (const std::u16string text = ReadString(output.Get()); text != u"ALEND")
            entry.outputName = lowerCase(text);
    }
    entry.calcClass = calcClass;
    mClasses.push_back(std::move(entry));
    return true;
}

ComPtr<ICalcEnumClass2> CalcClassCatalog::find(std::u16string_view name) const {
    const std::u16string key = lowerCase(name);
    for (const Entry& entry : mClasses)
        if (!key.empty() && (entry.name == key || entry.outputName == key))
            return entry.calcClass;
    return {};
}

void CalcClassCatalog::started(const ICalcEnumClass2* calcClass) {
    for (Entry& entry : mClasses)
        if (entry.calcClass.Get() == calcClass)
            ++entry.runs;
}

std::int64_t CalcClassCatalog::runs(std::u16string_view name) const {
    const std::u16string key = lowerCase(name);
    for (const Entry& entry : mClasses)
        if (!key.empty() && (entry.name == key || entry.outputName == key))
            return entry.runs;
    return 0;
}

HRESULT CalcClassCatalog::FindCalcClass(IAutoOvoString* name, ICalcEnumClass2** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!name)
        return S_FALSE;
    ComPtr<ICalcEnumClass2> found = find(ReadString(name));
    *out = found.Detach();
    return *out ? S_OK : S_FALSE;
}

} // namespace Vantrel
