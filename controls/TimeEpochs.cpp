#include "controls/TimeEpochs.h"

namespace Tarvik {
namespace {

constexpr std::uint64_t kUnixEpochTicks = 116444736000000000ull; // 100 ns units since 1601-01-01
constexpr std::uint64_t kOleEpochTicks = 94353120000000000ull;
constexpr double kTicksPerSecond = 10000000.0;

constexpr FILETIME ToFileTime(std::uint64_t ticks) {
    return {static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
}

constexpr std::uint64_t Ticks(const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

TimeEpochs Make() {
    TimeEpochs e{};
    e.unixEpoch = ToFileTime(kUnixEpochTicks);
    e.oleEpoch = ToFileTime(kOleEpochTicks);
    e.oleToUnixSeconds = static_cast<double>(Ticks(e.unixEpoch) - Ticks(e.oleEpoch)) / kTicksPerSecond;
    e.mac1904ToUnixSeconds = 2082844800.0;
    e.unixJulianDay = 2440588;
    e.oleJulianDay = 2415019;
    return e;
}

} // namespace

const TimeEpochs& GetTimeEpochs() {
    static const TimeEpochs epochs = Make();
    return epochs;
}

} // namespace Tarvik
