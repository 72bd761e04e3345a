#pragma once
// What the test calculation classes share: a class object that answers its class id, names and
// parameter table from a description, and an enumerator base that answers everything but the
// stepping (SetArgs, Start, Seek, Clear, Next, Find, GetPosition, GetArgs) as a plain event
// enumerator of OvoEventBase records does.

#include "host/engine/ComObject.h"
#include "platform/vantrel/CalcClassObject.h"
#include "platform/vantrel/CalcEnumDefaults.h"

#include <string>
#include <string_view>
#include <vector>

namespace Vantrel::Testing {

struct FakeParam {
    std::string name;
    DWORD kind = kCalcParamEvents; // sources: kCalcParamSamples or kCalcParamEvents
    double minimum = 0.0;
    double maximum = 0.0;
};

struct CalcClassShape {
    DWORD classId = 0;
    std::string name;
    std::string description;
    std::string outputName; // of output 0; empty: "ALEND", as every other output
    std::vector<FakeParam> params;
    LONG sourceCount = 1; // the first sourceCount params are sources, the others events
    DWORD flags = 0;      // the class flags GetParamInfo gives
};

// Hands out a copy of text; E_POINTER without a place for it.
HRESULT HandOutText(const std::string& text, IAutoOvoString** out);

// A test class object: ref-counted, its texts UTF-8 handed out as the module's strings.
struct TestClassTraits {
    using Text = std::string_view;
    using Param = FakeParam;
    using Base = ComObject<ICalcEnumClass2, ICalcEnumNumericParams>;
    static IAutoOvoString* String(std::string_view text);
    static BSTR Bstr(std::string_view text);
};

// Parameters past the sources are described as kCalcParamEvents whatever their kind.
class TestCalcClass : public CalcClass::Object<TestClassTraits> {
protected:
    explicit TestCalcClass(CalcClassShape shape);

private:
    CalcClassShape mShape;
    std::string_view mOutput; // output 0 when not empty
};

// Holds no host; answers its flags and type code, and the enumerator defaults.
class TestCalcEnumerator : public CalcClass::EnumeratorDefaults<ComObject<ICalcEnum, IEnumEventEx>> {
public:
    HRESULT SetHost(IUnknown*) override { return S_OK; }
    HRESULT GetHost(IUnknown** host) override { return *host = nullptr, S_OK; }
    HRESULT Clone(ICalcEnum**) override { return E_NOTIMPL; }
    HRESULT GetFlags(DWORD* flags) override { return *flags = kCalcArgsAccepted, S_OK; }
    HRESULT GetTypeCode(DWORD* code) override { return *code = 0, S_OK; }
    HRESULT Clone(IEnumEventEx**) override { return E_NOTIMPL; }

private:
    void* find(REFIID iid) override;
};

} // namespace Vantrel::Testing
