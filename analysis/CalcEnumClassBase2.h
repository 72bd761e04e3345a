#pragma once
// The class object of a calculation class: a static object that describes the
// class to the host (ICalcEnumClass2, with ICAFClassObject) and its parameter
// table (ICalcEnumNumericParams), and creates its enumerators. Reference
// counting does nothing: class objects live as long as the module.

#include <string_view>

#include "analysis/CalcEnumDescriptor.h"
#include "analysis/CalcEnumEventBase.h"
#include "core/String.h"
#include "platform/vantrel/CalcClassObject.h"

namespace CalcEnums {

struct ModuleClassTraits {
    using Text = const wchar_t*;
    using Param = ParamRow;
    using Base = CalcClass::StaticObject<ICalcEnumClass2, ICalcEnumNumericParams>;
    static IAutoOvoString* String(const wchar_t* text) { return Ovo::String(text).GetInterface(); }
    static IAutoOvoString* String(std::string_view text) {
        return Ovo::String::FromUtf8(text).GetInterface();
    }
    static BSTR Bstr(const wchar_t* text) { return Ovo::String(text).AllocBSTR(); }
};

class CalcEnumClassBase2 : public CalcClass::Object<ModuleClassTraits> {
public:
    CalcEnumClassBase2(const CalcEnumDescriptor& descriptor, const ParamTable& table);
    CalcEnumClassBase2(const CalcEnumClassBase2&) = delete;
    CalcEnumClassBase2& operator=(const CalcEnumClassBase2&) = delete;

    // Asked of the host once per class; the answer is kept in the descriptor.
    HRESULT GetClassId(DWORD* id) override;
    HRESULT CreateEnumerator(IUnknown* host, ICalcEnum** out) override;
    HRESULT CreateAggregated(IUnknown* host, IUnknown* outer, IUnknown** inner) override;
    // E_INVALIDARG for a negative index.
    HRESULT GetOutputName(LONG index, IAutoOvoString** name) override;

protected:
    ~CalcEnumClassBase2() = default;
    // A new enumerator with one (creation) reference.
    virtual CalcEnumEventBase* NewEnumerator() = 0;

private:
    const CalcEnumDescriptor& mDescriptor;
};

// The class object of enumerator type E (constructible from its class object).
template <class E> class CalcEnumNumericParamsClass : public CalcEnumClassBase2 {
public:
    using CalcEnumClassBase2::CalcEnumClassBase2;

protected:
    CalcEnumEventBase* NewEnumerator() override { return new E(this); }
};

} // namespace CalcEnums
