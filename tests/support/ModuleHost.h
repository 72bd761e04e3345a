#pragma once
// A host for module code linked into a test: the framework, the application
// object and the test registry registered with COM. At the end the host takes
// back what the module gave it, the module forgets what it fetched, and only
// then the host goes.

#include <memory>

#include <gtest/gtest.h>

#include "host/loader/Host.h"
#include "library/ModuleStatics.h"

namespace TarvikTest {

// The object's current reference count.
inline ULONG RefCount(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

class ModuleHost : public ::testing::Test {
protected:
    explicit ModuleHost(bool registerFramework = true)
        : host(std::make_unique<Vantrel::Host>(registerFramework)) {}

    void TearDown() override {
        host->UnloadModule();
        Tarvik::TeardownModuleStatics();
        host.reset();
    }

    Vantrel::Framework& Zar() { return host->Zar(); }

    std::unique_ptr<Vantrel::Host> host;
};

} // namespace TarvikTest
