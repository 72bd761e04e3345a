#pragma once

#include "host/recording/Tick.h"

#include <string>

namespace Vantrel {

/// A comment placed at a tick of a record; text is UTF-8.
struct Comment {
    Tick tick = 0;
    std::string text;

    bool operator==(const Comment&) const = default;
};

} // namespace Vantrel
