#pragma once
// What the module's document answers to its channel calculation: the display
// scale of the analysed pressure and volume channels.

#include "platform/win32/unknown.h"

namespace Tarvik {

inline constexpr IID IID_ITarvikDocInterface = MakeGuid("{89DC80D5-4B0B-474D-8F91-DFCFCC0FA54B}");

struct ITarvikDocInterface : IUnknown {
    // *scale: 1.0 in the channel's display units (ApplyChannelScaling); the argument is not used.
    virtual HRESULT GetPressureScale(DWORD reserved, double* scale) = 0; // slot 3
    virtual HRESULT GetVolumeScale(DWORD reserved, double* scale) = 0;   // slot 4

protected:
    ~ITarvikDocInterface() = default;
};

} // namespace Tarvik
