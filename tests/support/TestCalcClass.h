#pragma once
// What the test calculation classes share: a class object that answers its class id, names and
// parameter table from a description, and an enumerator base that answers everything but the
// stepping (SetArgs, Start, Seek, Clear, Next, Find, GetPosition, GetArgs) as a plain event
// enumerator of OvoEventBase records does.

#include "host/engine/ComObject.h"
#include "platform/vantrel/ICalcEnumClass2.h"
#include "platform/vantrel/ICalcEnumNumericParams.h"
#include "platform/vantrel/IEnumEventEx.h"

#include <string>
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

class TestCalcClass : public ComObject<ICalcEnumClass2, ICalcEnumNumericParams> {
public:
    HRESULT GetClassId(DWORD* id) override;
    HRESULT GetTypeGuid(const GUID** type) override;
    HRESULT GetNameBSTR(BSTR* name) override;
    HRESULT IsTypeGuid(const GUID* type) override;
    HRESULT GetName(IAutoOvoString** name) override;
    HRESULT GetDescription(IAutoOvoString** text) override;
    DWORD GetOutputKind() override { return 0; }
    HRESULT CreateAggregated(IUnknown*, IUnknown*, IUnknown**) override { return CLASS_E_NOAGGREGATION; }

    HRESULT GetOutputName(LONG index, IAutoOvoString** name) override;
    HRESULT GetParamInfo(IAutoOvoString** name, DWORD* classId, LONG* paramCount, LONG* sourceCount,
                         DWORD* flags, DWORD* argFlags) override;
    HRESULT GetParam(LONG index, double* maximum, double* minimum, DWORD* kind,
                     IAutoOvoString** name) override;
    HRESULT CheckSourceKind(LONG index, DWORD kind) override;

protected:
    explicit TestCalcClass(CalcClassShape shape) : mShape(std::move(shape)) {}

private:
    void* find(REFIID iid) override;

    CalcClassShape mShape;
};

class TestCalcEnumerator : public ComObject<ICalcEnum, IEnumEventEx> {
public:
    HRESULT SetHost(IUnknown*) override { return S_OK; }
    HRESULT GetHost(IUnknown** host) override { return *host = nullptr, S_OK; }
    HRESULT Clone(ICalcEnum**) override { return E_NOTIMPL; }
    HRESULT GetFlags(DWORD* flags) override { return *flags = kCalcArgsAccepted, S_OK; }
    HRESULT GetSamplePeriod(double*) override { return S_FALSE; }
    HRESULT GetCapabilities(DWORD* capabilities) override { return *capabilities = 0, S_OK; }
    HRESULT GetTypeCode(DWORD* code) override { return *code = 0, S_OK; }
    HRESULT GetEventInfo(CalcEventInfo* info) override { return *info = CalcEventInfo{}, S_OK; }

    HRESULT Clone(IEnumEventEx**) override { return E_NOTIMPL; }
    HRESULT GetEventSize(ULONG* bytes) override;
    HRESULT GetDrawClassId(DWORD* id) override { return *id = 0, S_OK; }

private:
    void* find(REFIID iid) override;
};

} // namespace Vantrel::Testing
