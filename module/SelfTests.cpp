#include "module/SelfTests.h"

#include "TestSuite/UnitTestHelperLib/UnitTestException.h"
#include "module/Boundary.h"
#include "module/MessageIds.h"

namespace Tarvik {

namespace {

constexpr GUID kTestCalculationSpace = MakeGuid("{88736FEF-F85F-4B09-862A-B4E59B348DE4}");

} // namespace

HRESULT UnitTestBase::GetTestCount(LONG* count) {
    if (count == nullptr)
        return E_FAIL;
    *count = static_cast<LONG>(m_cases.size());
    return S_OK;
}

HRESULT UnitTestBase::RunTest(LONG index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_cases.size())
        return E_INVALIDARG;
    m_passed = true;
    m_message = Ovo::String();
    return GuardBoundary([&] {
        PrepareCalculation();
        try {
            m_cases[static_cast<std::size_t>(index)]();
        } catch (const ExtLib::UnitTestException& failure) {
            m_passed = false;
            m_message = failure.message();
        }
        AfterCase();
        return S_OK;
    });
}

HRESULT UnitTestBase::GetTestName(LONG index, IAutoOvoString** name) {
    if (name == nullptr)
        return E_POINTER;
    *name = nullptr;
    if (index < 0 || static_cast<std::size_t>(index) >= m_names.size())
        return E_INVALIDARG;
    *name = m_names[static_cast<std::size_t>(index)].GetInterface();
    return S_OK;
}

HRESULT UnitTestBase::GetResult(VARIANT_BOOL* passed, IAutoOvoString** message) {
    if (passed == nullptr || message == nullptr)
        return E_POINTER;
    *passed = m_passed ? VARIANT_TRUE : VARIANT_FALSE;
    *message = m_message.GetInterface();
    return S_OK;
}

HRESULT UnitTestBase::PrepareTests() {
    return GuardBoundary([&] {
        RegisterCases();
        return S_OK;
    });
}

HRESULT UnitTestBase::GetOwner(IAutoOvoString** owner) {
    if (owner == nullptr)
        return E_POINTER;
    SetOwner();
    *owner = m_owner.GetInterface();
    return S_OK;
}

HRESULT UnitTestBase::GetTestValue(LONG index, double* value) {
    if (value == nullptr)
        return E_POINTER;
    if (index < 0 || static_cast<std::size_t>(index) >= m_values.size())
        return E_INVALIDARG;
    *value = m_values[static_cast<std::size_t>(index)];
    return S_OK;
}

void UnitTestBase::AddCase(Ovo::String name, std::function<void()> run, double value) {
    m_names.push_back(std::move(name));
    m_cases.push_back(std::move(run));
    m_values.push_back(value);
}

void UnitTestBase::SetOwnerText(const Ovo::String& user, int domain) {
    m_owner = user;
    m_owner += domain == 0 ? u"@velmora.example" : u"@tarvik.example";
}

DWORD ETB::CalculationKind() {
    return MsgIdClass<kTestCalculationSpace, 0>::Id();
}

ETB::ETB() {
    m_record.calculationKind = CalculationKind();
}

void ETB::SetOwner() {
    SetOwnerText(Ovo::String(u"tarvik"), 0);
}

} // namespace Tarvik
