#pragma once
// The module's five built-in self-tests: IUnitTest objects that the host's test
// runner drives. Each test registers seven cases that check one calculation
// class's event enumerator against the host's enumerator contract on documents
// filled with formula-generated data; before every case SetUp builds the test's
// configuration afresh.

#include "TestSuite/UnitTestHelperLib/EnumTestConfig.h"
#include "analysis/OvoEventBase.h"
#include "core/CComObjectRoot.h"
#include "core/String.h"
#include "platform/vantrel/UnitTest.h"

#include <functional>
#include <vector>

namespace Tarvik {

class UnitTestBase : public Ovo::SimpleUnknownImp1<IUnitTest, IID_IUnitTest> {
public:
    /// E_FAIL for a null pointer.
    HRESULT GetTestCount(LONG* count) override;
    /// Runs case index after SetUp and before TearDown. S_OK whether it passed or failed: any
    /// exception from them fails the case with its text (a failed check's failure text, else the
    /// exception's message). E_INVALIDARG for an index that names no case.
    HRESULT RunTest(LONG index) override;
    HRESULT GetTestName(LONG index, IAutoOvoString** name) override;
    /// passed: VARIANT_TRUE or VARIANT_FALSE for the last run (VARIANT_TRUE before any run).
    HRESULT GetResult(VARIANT_BOOL* passed, IAutoOvoString** message) override;
    /// Appends the test's cases (a second call appends them again).
    HRESULT PrepareTests() override;
    HRESULT GetOwner(IAutoOvoString** owner) override;
    HRESULT GetTestValue(LONG index, double* value) override;

protected:
    UnitTestBase() = default;

    virtual void RegisterTests() = 0;
    virtual void SetOwnerInfo() = 0;
    virtual void SetUp() {}
    virtual void TearDown() {}

    void AddTest(Ovo::String name, std::function<void()> run, double value);
    /// The owner text: a contact of user at one of two mail domains.
    void SetOwner(const Ovo::String& user, bool otherDomain);

private:
    bool ValidIndex(LONG index) const;

    std::vector<std::function<void()>> mCases;
    std::vector<Ovo::String> mNames;
    std::vector<double> mValues;
    bool mPassed = true;
    Ovo::String mMessage;
    Ovo::String mOwner;
};

/// The base of the five enumerator tests.
class ETB : public UnitTestBase {
public:
    /// The configuration of the last SetUp (the defaults before the first).
    const ExtLib::EnumTestConfig& Config() const { return config; }

protected:
    ETB();
    void SetOwnerInfo() override;
    /// The seven enumerator cases over record type TBufType, named "<testName>::<case>", each
    /// valued 60.
    template <class TBufType> void RegisterEnumCases(const char16_t* testName);

    ExtLib::EnumTestConfig config;
    std::uint32_t mRecordSize = 0; // bytes of one event record of the calculation under test
};

// Instantiated in SelfTests.cpp for the record types of the five tests; a test of a calculation
// that gives plain value events derives from ETB and registers the cases over OvoEventBase.
extern template void ETB::RegisterEnumCases<OvoEventBase>(const char16_t* testName);

// The five tests, in the order they reach the registry.
class Tarvik_TestEdpDetector : public ETB {
protected:
    void RegisterTests() override;
    void SetOwnerInfo() override;
    void SetUp() override;
};
class Tarvik_TestEdpDetector_ECG : public ETB {
protected:
    void RegisterTests() override;
    void SetOwnerInfo() override;
    void SetUp() override;
};
class Tarvik_TestEventDetector : public ETB {
protected:
    void RegisterTests() override;
    void SetOwnerInfo() override;
    void SetUp() override;
};
class Tarvik_TestSelector : public ETB {
protected:
    void RegisterTests() override;
    void SetOwnerInfo() override;
    void SetUp() override;
};
class Tarvik_TestPVAEvents : public ETB {
protected:
    void RegisterTests() override;
    void SetOwnerInfo() override;
    void SetUp() override;
};

} // namespace Tarvik
