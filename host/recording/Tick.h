#pragma once

#include <cstdint>

namespace Vantrel {

/// Sample index within a record; 0 is the record's first sample.
using Tick = std::int32_t;

} // namespace Vantrel
