#include "host/engine/HresultText.h"

#include <cstdio>

namespace Vantrel {

std::string hresultText(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(hr));
    return text;
}

} // namespace Vantrel
