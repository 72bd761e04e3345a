#pragma once
// The module's five built-in self-tests as the host's test registry sees them:
// IUnitTest objects whose cases run on request. The test base keeps the cases,
// their names and per-case values, the passed flag and the last result; ETB
// adds the case record of the detector tests. The cases themselves come with
// the self-test subsystem.

#include <functional>
#include <vector>

#include "core/CComObjectRoot.h"
#include "core/String.h"
#include "platform/vantrel/UnitTest.h"

namespace Tarvik {

class UnitTestBase : public Ovo::SimpleUnknownImp1<IUnitTest, IID_IUnitTest> {
public:
    HRESULT GetTestCount(LONG* count) override;
    HRESULT RunTest(LONG index) override;
    HRESULT GetTestName(LONG index, IAutoOvoString** name) override;
    HRESULT GetResult(VARIANT_BOOL* passed, IAutoOvoString** message) override;
    HRESULT PrepareTests() override;
    HRESULT GetOwner(IAutoOvoString** owner) override;
    HRESULT GetTestValue(LONG index, double* value) override;

    const Ovo::String& Owner() const { return m_owner; }

protected:
    UnitTestBase() = default;

    // Adds the test's cases.
    virtual void RegisterCases() = 0;
    virtual void SetOwner() = 0;
    // Before a case: the calculation under test and its source signal.
    virtual void PrepareCalculation() {}
    // After a case.
    virtual void AfterCase() {}

    void AddCase(Ovo::String name, std::function<void()> run, double value = 0.0);
    // The owner text from a user name and one of two mail domains (0 or 1).
    void SetOwnerText(const Ovo::String& user, int domain);

private:
    std::vector<std::function<void()>> m_cases;
    std::vector<Ovo::String> m_names;
    std::vector<double> m_values;
    bool m_passed = true;
    Ovo::String m_message;
    Ovo::String m_owner;
};

// The base of the detector tests, with their case record.
class ETB : public UnitTestBase {
public:
    struct CaseRecord {
        DWORD calculationKind = 0; // see CalculationKind
        std::vector<double> inputs;
        std::vector<double> expected;
        Ovo::String text = Ovo::String(u"NOT SET");
        std::vector<double> positions;
        std::vector<double> limits;
        DWORD words[3] = {26123, 0, 3};
    };

    const CaseRecord& Record() const { return m_record; }
    // The id of the calculation kind: number 0 of {88736FEF-F85F-4B09-862A-B4E59B348DE4}.
    static DWORD CalculationKind();

protected:
    ETB();
    void SetOwner() override;

private:
    CaseRecord m_record;
};

// The five tests, in the order they reach the registry.
class Tarvik_TestEdpDetector : public ETB {
protected:
    void RegisterCases() override {}
};
class Tarvik_TestEdpDetector_ECG : public ETB {
protected:
    void RegisterCases() override {}
};
class Tarvik_TestEventDetector : public ETB {
protected:
    void RegisterCases() override {}
};
class Tarvik_TestSelector : public ETB {
protected:
    void RegisterCases() override {}
};
class Tarvik_TestPVAEvents : public ETB {
protected:
    void RegisterCases() override {}
};

} // namespace Tarvik
