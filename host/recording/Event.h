#pragma once

#include "host/recording/Tick.h"

namespace Vantrel {

/// One event of a channel's event series: a tick and the value found there.
struct Event {
    Tick tick = 0;
    double value = 0.0;

    bool operator==(const Event&) const = default;
};

} // namespace Vantrel
