#pragma once
// The host's graph service: it makes scale strips, with a window of their own
// (operation 7) or without (operation 8, kinds kStripKindX and kStripKindY).

#include "host/engine/ComObject.h"
#include "platform/vantrel/GraphService.h"

namespace Vantrel {

class Framework;

class GraphService : public ComObject<IGraphService> {
public:
    HRESULT CreateScaleStrip(HWND parent, DWORD style, DWORD id, DWORD a, LONG b,
                             IScaleStrip** strip) override;
    HRESULT CreateGraphObject(DWORD a, DWORD b, DWORD kind, IUnknown** object) override;

    int StripsMade() const { return mStripsMade; }

protected:
    void* find(REFIID iid) override {
        return iid == IID_IGraphService ? static_cast<IGraphService*>(this) : nullptr;
    }

private:
    int mStripsMade = 0;
};

// Lets the framework's class registry answer the service's kind: the number
// of kGraphSpaceGuid shifted left 16, with kGraphServiceNumber. The framework
// does not hold the service.
void InstallGraphService(Framework& framework, GraphService& service);

} // namespace Vantrel
