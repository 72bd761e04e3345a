#pragma once
// The fixed time epochs the module converts between: the Unix epoch
// 1970-01-01, the automation date epoch 1899-12-30 and the 1904 date epoch.

#include <cstdint>

#include "platform/win32/types.h"

namespace Tarvik {

struct TimeEpochs {
    FILETIME unixEpoch;          // 1970-01-01 00:00 in 100 ns units since 1601
    FILETIME oleEpoch;           // 1899-12-30 00:00
    double oleToUnixSeconds;     // 2209161600: 1899-12-30 to 1970-01-01
    double mac1904ToUnixSeconds; // 2082844800: 1904-01-01 to 1970-01-01
    std::int32_t unixJulianDay;  // 2440588
    std::int32_t oleJulianDay;   // 2415019
};

const TimeEpochs& GetTimeEpochs();

} // namespace Tarvik
