#pragma once
// An event's address across records: (record, tick). (INT32_MAX, INT32_MAX) is no position.

#include <cstdint>

struct TickPosition {
    std::int32_t record = INT32_MAX;
    std::int32_t tick = INT32_MAX;

    static constexpr TickPosition None() { return {}; }
    constexpr bool IsNone() const { return record == INT32_MAX && tick == INT32_MAX; }
    friend constexpr bool operator==(const TickPosition&, const TickPosition&) = default;
};

static_assert(sizeof(TickPosition) == 8);
