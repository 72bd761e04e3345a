#pragma once
// Interface boundaries: no exception leaves the module into the host. Every
// operation the host calls that can throw runs its body through GuardBoundary.

#include <utility>

#include "platform/win32/hresult.h"

namespace Tarvik {

// The result code of the exception being handled: an XOvo (XHResult included)
// gives its code, std::bad_alloc E_OUTOFMEMORY, anything else E_FAIL. Call it
// only inside a catch handler.
HRESULT CurrentExceptionResult() noexcept;

template <class Body> HRESULT GuardBoundary(Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return CurrentExceptionResult();
    }
}

} // namespace Tarvik
