#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/IUnitService.h"

namespace Vantrel {

/// The host's unit service: unit-name objects (UnitName), written to and read from the module's
/// binary streams as a 32-bit prefix code followed by a string record of the base text. A channel
/// the host knows nothing of has the unit "V" without prefix.
class UnitService : public ComObject<IUnitService> {
public:
    /// E_INVALIDARG for a prefix code outside 1 .. 11.
    HRESULT CreateUnitName(LONG prefixCode, IAutoOvoString* baseText, IUnitName** out) override;
    /// E_FAIL on a short or malformed stream or a prefix code outside 1 .. 11; *unit stays null then.
    HRESULT ReadUnit(IBinInStream* in, IUnknown** unit) override;
    /// E_INVALIDARG when unit does not answer IUnitName; E_FAIL when the stream fails.
    HRESULT WriteUnit(IBinOutStream* out, IUnknown* unit) override;
    HRESULT GetDefaultUnit(LONG channel, IUnknown** unit) override;

private:
    void* find(REFIID iid) override;
};

} // namespace Vantrel
