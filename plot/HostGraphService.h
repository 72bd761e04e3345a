#pragma once
// The host's graph service, fetched once and kept for the life of the module.

#include "platform/vantrel/GraphService.h"

namespace ZOzuve1 {

// Null while the host has none.
IGraphService* GetHostGraphService();
// A host object made by the service's operation 8 with (a, b, kind); the
// caller owns the reference stored in out. E_FAIL without a service.
HRESULT CreateHostGraphObject(void** out, DWORD a, DWORD b, DWORD kind);

} // namespace ZOzuve1
