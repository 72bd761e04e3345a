#pragma once
// The font of gadget windows: the system's message font (the non-client
// metrics' lfMessageFont), owned by the object.

#include "platform/owl/TFont.h"
#include "platform/user/sysparams_api.h"

namespace OWL {

class TGadgetWindowFont2 : public TFont {
public:
    TGadgetWindowFont2() : TFont(MessageFont()) {}

private:
    static LOGFONTW MessageFont() {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        return metrics.lfMessageFont;
    }
};

} // namespace OWL
