#include "module/Boundary.h"

#include <exception>
#include <new>

#include "core/XOvo.h"

namespace Tarvik {

HRESULT CurrentExceptionResult() noexcept {
    try {
        throw;
    } catch (const XOvo& e) {
        return FAILED(e.Code()) ? e.Code() : E_FAIL;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

} // namespace Tarvik
