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

    void SetRefuseTests(bool refuse) { mRefuse = refuse; }
    const std::vector<IUnitTest*>& Tests() const { return mTests; }
    int Requests() const { return mRequests; }
    void ReleaseTests();

    HRESULT AddTest(IUnitTest* test) override;

private:
    std::vector<IUnitTest*> mTests;
    int mRequests = 0;
    bool mRefuse = false;
};

} // namespace Vantrel
