#pragma once
// The test registry (a COM class of its own): keeps the self-tests a module
// hands it, in order.

#include <vector>

#include "host/engine/ComObject.h"
#include "platform/vantrel/UnitTest.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

class TestRegistry : public ComObject<ITestRegistry> {
public:
    void* find(REFIID iid) override {
        return iid == IID_ITestRegistry ? static_cast<ITestRegistry*>(this) : nullptr;
    }
    ~TestRegistry() override;

    void SetRefuseTests(bool refuse) { m_refuse = refuse; }
    const std::vector<IUnitTest*>& Tests() const { return m_tests; }
    int Requests() const { return m_requests; }
    void ReleaseTests();

    HRESULT AddTest(IUnitTest* test) override;

private:
    std::vector<IUnitTest*> m_tests;
    int m_requests = 0;
    bool m_refuse = false;
};

} // namespace Vantrel
