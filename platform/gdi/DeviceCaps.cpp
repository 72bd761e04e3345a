#include "platform/gdi/DeviceCaps.h"

#include "platform/gdi/gdi.h"

namespace gdi {

int DeviceCaps::Query(int index) const {
    switch (index) {
    case TECHNOLOGY:
        return technology;
    case HORZSIZE:
        return MulDiv(horzRes, 254, logPixelsX * 10);
    case VERTSIZE:
        return MulDiv(vertRes, 254, logPixelsY * 10);
    case HORZRES:
        return horzRes;
    case VERTRES:
        return vertRes;
    case BITSPIXEL:
        return bitsPixel;
    case PLANES:
        return planes;
    case NUMCOLORS:
        return bitsPixel * planes > 8 ? -1 : 1 << (bitsPixel * planes);
    case LOGPIXELSX:
        return logPixelsX;
    case LOGPIXELSY:
        return logPixelsY;
    default:
        return 0;
    }
}

const DeviceCaps& ScreenCaps() {
    static const DeviceCaps caps;
    return caps;
}

} // namespace gdi
