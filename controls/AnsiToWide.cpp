#include "controls/AnsiToWide.h"

namespace Tarvik {

Ovo::String AnsiToWide(const char* text) {
    return Ovo::String(text);
}

} // namespace Tarvik
