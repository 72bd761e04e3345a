#include "selftest/SelfTests.h"

#include "TestSuite/UnitTestHelperLib/BounceTest.h"
#include "TestSuite/UnitTestHelperLib/FindTest.h"
#include "TestSuite/UnitTestHelperLib/OnlineOfflineComparison.h"
#include "TestSuite/UnitTestHelperLib/SetSourcesTest.h"
#include "TestSuite/UnitTestHelperLib/TestDocumentAccess.h"
#include "TestSuite/UnitTestHelperLib/TestStandardRoutines.h"
#include "TestSuite/UnitTestHelperLib/UnitTestException.h"
#include "analysis/PVAEvent.h"
#include "analysis/TarvikEdpEvent.h"
#include "analysis/TarvikEvent.h"
#include "core/XOvo.h"
#include "selftest/SelfTestConfigs.h"

namespace Tarvik {
namespace {

constexpr std::uint32_t kSamples = 326000;
constexpr double kCaseValue = 60.0;

/// The text a case fails with, for the exception being handled.
Ovo::String CurrentFailureText() {
    try {
        throw;
    } catch (const ExtLib::UnitTestException& e) {
        return e.message();
    } catch (const XOvo& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return Ovo::String(e.what());
    } catch (...) {
        return Ovo::String(u"Unknown exception");
    }
}

} // namespace

bool UnitTestBase::ValidIndex(LONG index) const {
    return index >= 0 && static_cast<std::size_t>(index) < mCases.size();
}

HRESULT UnitTestBase::GetTestCount(LONG* count) {
    if (count == nullptr)
        return E_FAIL;
    *count = static_cast<LONG>(mCases.size());
    return S_OK;
}

HRESULT UnitTestBase::RunTest(LONG index) {
    if (!ValidIndex(index))
        return E_INVALIDARG;
    mPassed = true;
    mMessage = Ovo::String();
    try {
        SetUp();
        mCases[static_cast<std::size_t>(index)]();
        TearDown();
    } catch (...) {
        mPassed = false;
        try {
            mMessage = CurrentFailureText();
        } catch (...) {
            mMessage = Ovo::String();
        }
    }
    return S_OK;
}

HRESULT UnitTestBase::GetTestName(LONG index, IAutoOvoString** name) {
    if (name == nullptr)
        return E_POINTER;
    *name = nullptr;
    if (!ValidIndex(index))
        return E_INVALIDARG;
    *name = mNames[static_cast<std::size_t>(index)].GetInterface();
    return S_OK;
}

HRESULT UnitTestBase::GetResult(VARIANT_BOOL* passed, IAutoOvoString** message) {
    if (passed == nullptr || message == nullptr)
        return E_POINTER;
    *passed = mPassed ? VARIANT_TRUE : VARIANT_FALSE;
    *message = mMessage.GetInterface();
    return S_OK;
}

HRESULT UnitTestBase::PrepareTests() {
    try {
        RegisterTests();
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT UnitTestBase::GetOwner(IAutoOvoString** owner) {
    if (owner == nullptr)
        return E_POINTER;
    SetOwnerInfo();
    *owner = mOwner.GetInterface();
    return S_OK;
}

HRESULT UnitTestBase::GetTestValue(LONG index, double* value) {
    if (value == nullptr)
        return E_POINTER;
    if (!ValidIndex(index))
        return E_INVALIDARG;
    *value = mValues[static_cast<std::size_t>(index)];
    return S_OK;
}

void UnitTestBase::AddTest(Ovo::String name, std::function<void()> run, double value) {
    mNames.push_back(std::move(name));
    mCases.push_back(std::move(run));
    mValues.push_back(value);
}

void UnitTestBase::SetOwner(const Ovo::String& user, bool otherDomain) {
    mOwner = user;
    mOwner += otherDomain ? u"@tarvik.example" : u"@velmora.example";
}

ETB::ETB() {
    config.mEnumID = ExtLib::GetCalcGuidMsgId0();
}

void ETB::SetOwnerInfo() {
    SetOwner(Ovo::String(u"tarvik"), false);
}

template <class TBufType> void ETB::RegisterEnumCases(const char16_t* testName) {
    const auto add = [&](const char16_t* caseName, std::function<void()> run) {
        Ovo::String name(testName);
        name += u"::";
        name += caseName;
        AddTest(name, std::move(run), kCaseValue);
    };
    add(u"EventEnumBounceTest", [this] { ExtLib::BounceTest<TBufType>(config, false); });
    add(u"EventEnumBounceTest2", [this] { ExtLib::BounceTest<TBufType>(config, true); });
    add(u"EventEnumTestNextOffline", [this] { ExtLib::TestNextOffline(config, mRecordSize); });
    add(u"EventEnumTestNextOnline", [this] { ExtLib::TestNextOnline(config, mRecordSize); });
    add(u"EventEnumOnlineOfflineComparison", [this] { ExtLib::OnlineOfflineComparison<TBufType>(config); });
    add(u"EventEnumTestFind", [this] { ExtLib::TestFind<TBufType>(config); });
    add(u"EventEnumTestSetSourcesPellumo", [this] { ExtLib::TestSetSources<TBufType>(config); });
}

template void ETB::RegisterEnumCases<OvoEventBase>(const char16_t* testName);

void Tarvik_TestEdpDetector::RegisterTests() {
    RegisterEnumCases<TarvikEdpEvent>(u"Tarvik_TestEdpDetector");
}

void Tarvik_TestEdpDetector::SetOwnerInfo() {
    SetOwner(Ovo::String(u"edp.detector"), false);
}

void Tarvik_TestEdpDetector::SetUp() {
    config = MakeTestConfig(Ovo::String(u"sin(30*t)"), Ovo::String(u"PVEdpDet(ch1,cmpeakdet(ch1,0.3,0.01))"),
                            kSamples);
    mRecordSize = sizeof(TarvikEdpEvent);
}

void Tarvik_TestEdpDetector_ECG::RegisterTests() {
    RegisterEnumCases<TarvikEdpEvent>(u"Tarvik_TestEdpDetector_ECG");
}

void Tarvik_TestEdpDetector_ECG::SetOwnerInfo() {
    SetOwner(Ovo::String(u"ecg.detector"), false);
}

void Tarvik_TestEdpDetector_ECG::SetUp() {
    config =
        MakeTestConfig(Ovo::String(u"sin(30*t)"),
                       Ovo::String(u"PVEcgEdpDet(cmpeakdet(shift(ch1,-0.1),1,0),-1,-1,-1,-1)"), kSamples);
    mRecordSize = sizeof(TarvikEdpEvent);
}

void Tarvik_TestEventDetector::RegisterTests() {
    RegisterEnumCases<TarvikEvent>(u"Tarvik_TestEventDetector");
}

void Tarvik_TestEventDetector::SetOwnerInfo() {
    SetOwner(Ovo::String(u"loop.analyser"), false);
}

void Tarvik_TestEventDetector::SetUp() {
    config = MakeTestConfig(
        Ovo::String(u"sin(30*t)+2"),
        Ovo::String(u"TarvikAnalyzer(ch1,2+sin(40*t),PVEdpDet(ch1,cmpeakdet(ch1,0.3,0.01)),-1,-1,-1,-1)"),
        kSamples);
    config.mSampleRates = {100000.0};
    mRecordSize = sizeof(TarvikEvent);
}

void Tarvik_TestSelector::RegisterTests() {
    RegisterEnumCases<OvoEventBase>(u"Tarvik_TestSelector");
}

void Tarvik_TestSelector::SetOwnerInfo() {
    SetOwner(Ovo::String(u"param.selector"), false);
}

void Tarvik_TestSelector::SetUp() {
    config = MakeTestConfig(Ovo::String(u"sin(30*t)"),
                            Ovo::String(u"TarvikParamSelector(TarvikAnalyzer(ch1, sin(40*t), "
                                        u"PVEdpDet(ch1,cmpeakdet(ch1,0.3,0.01), 0.3), -1,-1,-1,-1), 1)"),
                            kSamples);
    mRecordSize = sizeof(OvoEventBase);
}

void Tarvik_TestPVAEvents::RegisterTests() {
    RegisterEnumCases<PVAEvent>(u"Tarvik_TestPVAEvents");
}

void Tarvik_TestPVAEvents::SetOwnerInfo() {
    SetOwner(Ovo::String(u"pva.calculation"), false);
}

void Tarvik_TestPVAEvents::SetUp() {
    config = MakeTestConfig(PvaPressureFormula(), PvaCalcText(), kSamples);
    mRecordSize = sizeof(PVAEvent);
}

} // namespace Tarvik
