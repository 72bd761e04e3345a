#pragma once
// What the event labels ask of the module's loop data: the number of the loop
// at a position, counted record by record over every loop of the analysis.
// The loop data answers it through its virtual-channel data and event
// statistics.

#include "platform/win32/unknown.h"

namespace Tarvik {

inline constexpr IID IID_ILoopNumbers = MakeGuid("{6C1F2A74-3B55-4E0D-9A41-52D8E6B1C903}"); // our own id

struct ILoopNumbers : IUnknown {
    // -1 when no loop of the analysis lies at (record, tick).
    virtual LONG LoopNumberAt(LONG record, LONG tick) = 0;

protected:
    ~ILoopNumbers() = default;
};

} // namespace Tarvik
