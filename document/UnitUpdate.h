#pragma once
// Giving a channel the unit its calibration makes: a channel that takes units
// at once gets it through the data interface; any other (a computed channel)
// gets a unit-change message that the host answers with the new points.

#include <cstdint>

#include "core/String.h"
#include "platform/vantrel/ISampleBlocks.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

class CalibratorBase;
class ZARDocument;

// The message id of a unit change.
inline constexpr DWORD kUnitChangeMessage = 0x800C0083;

#pragma pack(push, 1)
// The unit-change message: the channel, whether the new conversion scales, its two points as
// "raw 1->calibrated 1;raw 2->calibrated 2", a line feed and the shown unit's base text, the raw
// and the shown unit's prefix characters, and the shown decimals. Texts are string objects the
// sender keeps alive until the message was delivered.
struct MsgData6 {
    std::uint32_t id = kUnitChangeMessage;
    std::uint32_t flags = 0;
    std::uint32_t typeCode = 0x277712;
    std::int32_t channel = 0;
    std::uint32_t hasScaling = 0;
    IAutoOvoString* rangeText = nullptr;
    IAutoOvoString* rawPrefix = nullptr;
    IAutoOvoString* shownPrefix = nullptr;
    std::int32_t decimals = 0;
};
#pragma pack(pop)

// A unit conversion of the host whose record this module reads: binding checks that the unit
// service's record size is the one the module knows (144 bytes).
class UnitConvHandle {
public:
    // Holds the conversion with a reference. Throws XOvo 0xA0048210 "Units size mismatch in
    // UnitConvHandle::Bind()" when the record size differs.
    void Bind(IUnknown* conversion);
    IUnknown* Get() const { return mConversion.Get(); }

private:
    ComPtr<IUnknown> mConversion;
};

// Gives channel the calibrator's conversion, through target's message handler for a computed
// channel. False for no channel, no new conversion, or a channel that already shows it (the same
// unit through the same line).
// Throws XOvo when the conversion's record cannot be read.
bool UpdateChannelUnits(CalibratorBase& source, ISampleBlocks* data, std::int32_t channel,
                        ZARDocument& target);

} // namespace Tarvik
