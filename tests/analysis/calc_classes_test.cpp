// The module's calculation classes as the host's calculation engine sees them.

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "analysis/CalcEnumClassBase2.h"
#include "analysis/CalcEnumClasses.h"
#include "core/String.h"
#include "platform/vantrel/ICalcEnumNumericParams.h"

namespace {

std::wstring Text(IAutoOvoString* s) {
    Ovo::String text;
    text.Adopt(s);
    return text.ToWString();
}

ICalcEnumNumericParams* Params(ICalcEnumClass2* c) {
    void* out = nullptr;
    EXPECT_EQ(c->QueryInterface(IID_ICalcEnumNumericParams, &out), S_OK);
    return static_cast<ICalcEnumNumericParams*>(out);
}

std::wstring Name(ICalcEnumClass2* c) {
    IAutoOvoString* name = nullptr;
    c->GetName(&name);
    return Text(name);
}

TEST(CalcClasses, SevenClassesInTheirOrderOfConstruction) {
    struct Expected {
        const wchar_t* name;
        const wchar_t* output;
        LONG params, sources;
        DWORD flags;
        ULONG eventSize;
    };
    const Expected expected[] = {
        {L"TarvikAnalyzer", L"ALEND", 7, 3, 0xA0000000u, 264},
        {L"PVEcgEdpDet", L"PVEcgEdpDetector", 5, 1, 0xA0000000u, 32},
        {L"PVEdpDet", L"PVEdpDetector", 7, 2, 0xA0000000u, 32},
        {L"PVMaxDet", L"PVMaxDetector", 1, 1, 0xA0000000u, 16},
        {L"Tarvik Parameter Selector", L"TarvikParamSelector", 4, 1, 0u, 16},
        {L"Tarvik PVA Parameter Selector", L"TarvikPVAParamSelector", 4, 1, 0u, 16},
        {L"PvaCalc", L"PvaDetector", 10, 1, 0xA0000000u, 48},
    };
    const auto& classes = CalcEnums::CalcClassObjects();
    for (std::size_t i = 0; i < classes.size(); ++i) {
        ICalcEnumClass2* c = classes[i];
        const Expected& e = expected[i];
        EXPECT_EQ(Name(c), e.name);
        ICalcEnumNumericParams* params = Params(c);
        IAutoOvoString* output = nullptr;
        params->GetOutputName(0, &output);
        EXPECT_EQ(Text(output), e.output) << e.name;
        LONG count = 0, sources = 0;
        DWORD flags = 1, argFlags = 0;
        params->GetParamInfo(nullptr, nullptr, &count, &sources, &flags, &argFlags);
        EXPECT_EQ(count, e.params) << e.name;
        EXPECT_EQ(sources, e.sources) << e.name;
        EXPECT_EQ(flags, e.flags) << e.name;
        EXPECT_EQ(argFlags, 0x40000000u) << e.name;
        EXPECT_EQ(c->GetOutputKind(), 0u);

        ICalcEnum* calc = nullptr;
        ASSERT_EQ(c->CreateEnumerator(nullptr, &calc), S_OK);
        IEnumEventEx* events = nullptr;
        ASSERT_EQ(calc->QueryInterface(IID_IEnumEventEx, reinterpret_cast<void**>(&events)), S_OK);
        ULONG size = 0;
        events->GetEventSize(&size);
        EXPECT_EQ(size, e.eventSize) << e.name;
        events->Release();
        EXPECT_EQ(calc->Release(), 0u) << "the class object keeps no reference";
    }
}

TEST(CalcClasses, TheAnalysersParameterRows) {
    ICalcEnumNumericParams* params = Params(CalcEnums::CalcClassObjects()[0]);
    double maximum = 0, minimum = 0;
    DWORD kind = 0;
    IAutoOvoString* name = nullptr;
    EXPECT_EQ(params->GetParam(7, &maximum, &minimum, &kind, &name), E_INVALIDARG);
    ASSERT_EQ(params->GetParam(6, &maximum, &minimum, &kind, &name), S_OK);
    EXPECT_EQ(Text(name), L"LimitEnd Tick");
    EXPECT_EQ(minimum, -1.0);
    EXPECT_EQ(maximum, DBL_MAX);
    EXPECT_EQ(kind, 0x40000000u);
    for (LONG i : {0, 1}) {
        params->GetParam(i, nullptr, nullptr, &kind, nullptr);
        EXPECT_EQ(kind, 0x80000000u);
    }
    struct Case {
        LONG index;
        DWORD kind;
        HRESULT expected;
    };
    for (const Case& c :
         {Case{0, 0x80000000u, S_OK}, Case{1, 0xC0000000u, S_OK}, Case{1, 0x40000000u, S_FALSE},
          Case{2, 0x40000000u, S_OK}, Case{2, 0x80000000u, S_FALSE}, Case{3, 0x40000000u, E_INVALIDARG}})
        EXPECT_EQ(params->CheckSourceKind(c.index, c.kind), c.expected) << c.index << " " << c.kind;
}

int gNumberRequests = 0;
bool CountingNumbers(REFGUID, WORD& number) {
    ++gNumberRequests;
    number = 0x8123;
    return true;
}

TEST(CalcClasses, TheClassIdIsAskedOfTheHostOnce) {
    ICalcEnumClass2* max = CalcEnums::CalcClassObjects()[3];
    CalcEnums::SetGuidNumberSource(nullptr);
    DWORD id = 7;
    EXPECT_EQ(max->GetClassId(&id), E_FAIL) << "no host yet: nothing to cache";
    CalcEnums::SetGuidNumberSource(CountingNumbers);
    gNumberRequests = 0;
    ASSERT_EQ(max->GetClassId(&id), S_OK);
    EXPECT_EQ(id, 0x81230000u);
    ASSERT_EQ(max->GetClassId(&id), S_OK);
    EXPECT_EQ(id, 0x81230000u);
    EXPECT_EQ(gNumberRequests, 1);
}

TEST(CalcClasses, TypeGuidAndName) {
    ICalcEnumClass2* c = CalcEnums::CalcClassObjects()[2];
    const GUID* type = nullptr;
    c->GetTypeGuid(&type);
    EXPECT_EQ(*type, kCalcEnumClassType);
    const GUID copy = kCalcEnumClassType;
    EXPECT_EQ(c->IsTypeGuid(type), S_OK);
    EXPECT_EQ(c->IsTypeGuid(&copy), S_OK);
    EXPECT_EQ(c->IsTypeGuid(&IID_IUnknown), S_FALSE);
    EXPECT_EQ(c->IsTypeGuid(nullptr), S_FALSE);
    BSTR name = SysAllocString(u"old");
    ASSERT_EQ(c->GetNameBSTR(&name), S_OK);
    EXPECT_EQ(std::u16string(name), u"PVEdpDet");
    SysFreeString(name);
}

// An outer object owning an aggregated enumerator: its IUnknown calls reach the outer one.
struct Outer : IUnknown {
    ULONG refs = 1;
    IUnknown* inner = nullptr;
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown) {
            *out = this;
            AddRef();
            return S_OK;
        }
        return inner->QueryInterface(iid, out);
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
};

TEST(CalcClasses, AnAggregatedEnumeratorDelegatesToItsOuterObject) {
    Outer outer;
    ASSERT_EQ(CalcEnums::CalcClassObjects()[1]->CreateAggregated(nullptr, &outer, &outer.inner), S_OK);
    ICalcEnum* calc = nullptr;
    ASSERT_EQ(outer.QueryInterface(IID_ICalcEnum, reinterpret_cast<void**>(&calc)), S_OK);
    EXPECT_EQ(outer.refs, 2u);
    IUnknown* unknown = nullptr;
    calc->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown));
    EXPECT_EQ(unknown, &outer);
    unknown->Release();
    calc->Release();
    EXPECT_EQ(outer.refs, 1u);
    EXPECT_EQ(outer.inner->Release(), 0u);
}

} // namespace
