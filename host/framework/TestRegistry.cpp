#include "host/framework/TestRegistry.h"

namespace Vantrel {

TestRegistry::~TestRegistry() {
    ReleaseTests();
}

void TestRegistry::ReleaseTests() {
    auto tests = std::move(m_tests);
    m_tests.clear();
    for (IUnitTest* test : tests)
        test->Release();
}

HRESULT TestRegistry::AddTest(IUnitTest* test) {
    if (test == nullptr)
        return E_POINTER;
    ++m_requests;
    if (m_refuse)
        return E_FAIL;
    test->AddRef();
    m_tests.push_back(test);
    return S_OK;
}

} // namespace Vantrel
