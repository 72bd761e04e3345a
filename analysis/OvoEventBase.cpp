#include "analysis/OvoEventBase.h"

#include "core/NumericHelpers.h"

void OvoEventBase::SplitPosition(double p, std::int32_t& tick, float& fraction) {
    tick = TruncateToInt32(p + 0.5);
    fraction = static_cast<float>(p - tick);
}
