// The positions of a virtual-channel document's data: records one after the other, each from tick 0
// to its tick count.

#include "host/engine/VirtualChannelDocument.h"

namespace Vantrel {

HRESULT VirtualChannelDocument::MapPosition(HostTickPosition in, HostTickPosition* out) {
    if (!out)
        return E_POINTER;
    *out = in;
    return S_OK;
}

HRESULT VirtualChannelDocument::ReportPosition(HostTickPosition in, HostTickPosition* out) {
    return MapPosition(in, out);
}

HRESULT VirtualChannelDocument::GetTickCount(DWORD, std::int64_t* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    for (std::int32_t r = 0; r < recording().recordCount(); ++r)
        *count += recording().record(r).tickCount();
    return S_OK;
}

HRESULT VirtualChannelDocument::IsValidPosition(HostTickPosition position, WORD* valid) {
    if (!valid)
        return E_POINTER;
    const bool inside = position.record >= 0 && position.record < recording().recordCount() &&
                        position.tick >= 0 && position.tick < recording().record(position.record).tickCount();
    *valid = inside ? 1 : 0;
    return S_OK;
}

HRESULT VirtualChannelDocument::GetOwnerObject(IUnknown** owner) {
    if (!owner)
        return E_POINTER;
    *owner = mOwner;
    if (!mOwner)
        return E_FAIL;
    mOwner->AddRef();
    return S_OK;
}

HRESULT VirtualChannelDocument::PositionOfTickCount(std::int64_t count, HostTickPosition* position) {
    if (!position)
        return E_POINTER;
    for (std::int32_t r = 0; r < recording().recordCount() && count >= 0; ++r) {
        const std::int64_t ticks = recording().record(r).tickCount();
        if (count < ticks) {
            *position = HostTickPosition{r, static_cast<LONG>(count)};
            return S_OK;
        }
        count -= ticks;
    }
    return E_INVALIDARG;
}

HRESULT VirtualChannelDocument::TickCountOfPosition(HostTickPosition position, std::int64_t* count) {
    if (!count)
        return E_POINTER;
    WORD valid = 0;
    IsValidPosition(position, &valid);
    if (!valid)
        return E_INVALIDARG;
    *count = position.tick;
    for (std::int32_t r = 0; r < position.record; ++r)
        *count += recording().record(r).tickCount();
    return S_OK;
}

} // namespace Vantrel
