#pragma once
// An entry of a module bound by its ANSI name. Binding fails with
// TXModuleProc when the module has no such entry.

#include <string>

#include "platform/owl/TModule.h"
#include "platform/owl/TXOwl.h"

namespace OWL {

class TModuleProc {
public:
    TModuleProc(const TModule& module, LPCSTR name) : mProc(module.GetProcAddress(name)) {
        if (mProc == nullptr)
            throw TXModuleProc(std::string("No entry \"") + name + "\" in the library.");
    }
    void* Address() const { return mProc; }

protected:
    void* mProc;
};

// A bound entry of function type R(A...), called like the function.
template <class R, class... A> class TModuleProcX : public TModuleProc {
public:
    using TModuleProc::TModuleProc;
    R operator()(A... args) const { return reinterpret_cast<R (*)(A...)>(mProc)(args...); }
};

} // namespace OWL
