#pragma once

#include "host/recording/Tick.h"

#include <climits>
#include <vector>

namespace Vantrel {

/// The events of one record that a host function gives (its peaks, a channel's stored events), in
/// ascending tick order. While the record is being sampled the series grows at its end.
class EventSeries {
public:
    struct Event {
        Tick tick = 0;
        double value = 0.0;
        bool operator==(const Event&) const = default;
    };

    /// INT_MAX: the series is complete.
    static constexpr Tick complete = INT_MAX;

    virtual ~EventSeries() = default;

    /// Brings the series up to the data the recording holds now.
    virtual void update() = 0;
    const std::vector<Event>& events() const { return mEvents; }
    /// Every event below this tick is in events(); complete once the record is.
    virtual Tick settledBefore() const = 0;

protected:
    std::vector<Event> mEvents;
};

} // namespace Vantrel
