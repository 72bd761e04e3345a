#include "host/framework/TestRegistry.h"

namespace Vantrel {

TestRegistry::~TestRegistry() {
    ReleaseTests();
}

void TestRegistry::ReleaseTests() {
    auto tests = std::move(mTests);
    mTests.clear();
    for (IUnitTest* test : tests)
        test->Release();
}

HRESULT TestRegistry::AddTest(IUnitTest* test) {
    if (test == nullptr)
        return E_POINTER;
    ++mRequests;
    if (mRefuse)
        return E_FAIL;
    test->AddRef();
    mTests.push_back(test);
    return S_OK;
}

} // namespace Vantrel
