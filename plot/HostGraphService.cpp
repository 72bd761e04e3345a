#include "plot/HostGraphService.h"

#include "module/HostServices.h"
#include "platform/win32/com_ptr.h"

namespace ZOzuve1 {

IGraphService* GetHostGraphService() {
    return Tarvik::GetHostGraphService();
}

HRESULT CreateHostGraphObject(void** out, DWORD a, DWORD b, DWORD kind) {
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    ComPtr<IGraphService> service(GetHostGraphService());
    if (!service)
        return E_FAIL;
    return service->CreateGraphObject(a, b, kind, reinterpret_cast<IUnknown**>(out));
}

} // namespace ZOzuve1
