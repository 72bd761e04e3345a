#pragma once

namespace Tarvik {

// The owner of an analysis's loop counts holds them through this base and deletes them as a whole.
class EventStatsBase {
public:
    virtual ~EventStatsBase() = default;
};

} // namespace Tarvik
