#pragma once
// A string stream whose numbers always use a point and no grouping, whatever
// the global locale: for texts the host parses, such as calculation formulas.

#include <locale>

#include "core/OStringStream.h"

namespace Ovo {

class ClassicStream : public OStringStream {
public:
    ClassicStream() { imbue(std::locale::classic()); }
};

} // namespace Ovo
