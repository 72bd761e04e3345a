#include "host/graph/GraphService.h"

#include "host/framework/Framework.h"
#include "host/graph/ScaleStrip.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

HRESULT GraphService::CreateScaleStrip(HWND parent, DWORD style, DWORD id, DWORD, LONG, IScaleStrip** strip) {
    if (strip == nullptr)
        return E_POINTER;
    *strip = nullptr;
    auto made = ComPtr<ScaleStrip>::Adopt(new ScaleStrip((style & kStripAxisMask) == kStripAxisX, style, id));
    if (!made->CreateWindowIn(parent))
        return E_FAIL;
    ++mStripsMade;
    *strip = made.Detach();
    return S_OK;
}

HRESULT GraphService::CreateGraphObject(DWORD, DWORD, DWORD kind, IUnknown** object) {
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    if (kind != kStripKindX && kind != kStripKindY)
        return E_INVALIDARG;
    ++mStripsMade;
    *object = static_cast<IScaleStrip*>(new ScaleStrip(kind == kStripKindX, kind, 0));
    return S_OK;
}

void InstallGraphService(Framework& framework, GraphService& service) {
    const DWORD kind =
        (static_cast<DWORD>(framework.MessageIds().NumberOf(kGraphSpaceGuid)) << 16) | kGraphServiceNumber;
    framework.Classes().AddService(kind, static_cast<IGraphService*>(&service));
}

} // namespace Vantrel
