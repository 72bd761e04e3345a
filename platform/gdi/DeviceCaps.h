#pragma once
// What GetDeviceCaps answers for a device. The screen is 1920 x 1080 at 96
// dpi and 32 bits per pixel; printer pages carry their own. Storage is
// always 32-bit whatever BITSPIXEL reports.

#include "platform/gdi/constants.h"

namespace gdi {

struct DeviceCaps {
    int technology = DT_RASDISPLAY;
    int bitsPixel = 32;
    int planes = 1;
    int logPixelsX = 96;
    int logPixelsY = 96;
    int horzRes = 1920;
    int vertRes = 1080;

    // Sizes in millimetres follow from resolution and dpi (1920 px at 96 dpi
    // is 508 mm).
    int Query(int index) const;
};

const DeviceCaps& ScreenCaps();

} // namespace gdi
